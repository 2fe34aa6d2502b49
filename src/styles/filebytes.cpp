#include "filebytes.h"

TFileBytes::TFileBytes(const QString &path) : m_file(path)
{
    m_open = m_file.open(QIODevice::ReadOnly);
    if (!m_open)
        return;
    const qint64 size = m_file.isSequential() ? 0 : m_file.size();
    if (size > 0)
        m_map = m_file.map(0, size);
    if (m_map) {
        m_view = QByteArrayView(reinterpret_cast<const char *>(m_map), qsizetype(size));
    } else {
        m_copy = m_file.read(kReadLimit);
        m_view = m_copy;
    }
}

TFileBytes::~TFileBytes()
{
    if (m_map)
        m_file.unmap(m_map);
}
