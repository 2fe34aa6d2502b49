#include "pagetextmap.h"

#include "textcodec.h"

#include <algorithm>

namespace {

// The length in bytes of a numeric character reference at i that the decoder turns into one
// character of its own, or 0 when the bytes at i are no such reference.
qsizetype referenceLength(const QByteArray &bytes, qsizetype i)
{
    if (bytes[i] != '&' || i + 2 >= bytes.size() || bytes[i + 1] != '#')
        return 0;
    // A decimal or hexadecimal reference has at most eight digits after "&#" or "&#x", so the
    // search for its end stays short however long the text is.
    const qsizetype last = std::min(bytes.size() - 1, i + 12);
    qsizetype end = i + 2;
    while (end <= last && bytes[end] != ';')
        ++end;
    if (end > last)
        return 0;
    const QByteArray reference = bytes.mid(i, end - i + 1);
    const QString decoded = DecodePageText(reference);
    return decoded.size() < reference.size() ? reference.size() : 0;
}

} // namespace

void TPageTextMap::setBytes(const QByteArray &bytes)
{
    m_bytes = bytes;
    rebuild();
}

void TPageTextMap::rebuild()
{
    m_text.clear();
    m_offsets.clear();
    m_text.reserve(m_bytes.size());
    m_offsets.reserve(m_bytes.size() + 1);
    const qsizetype n = m_bytes.size();
    for (qsizetype i = 0; i < n;) {
        const char c = m_bytes[i];
        if (c == '\r' || c == '\n') {
            m_offsets.append(i);
            m_text.append(QLatin1Char('\n'));
            i += (c == '\r' && i + 1 < n && m_bytes[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        const qsizetype reference = referenceLength(m_bytes, i);
        const qsizetype length = reference > 0 ? reference : 1;
        const QString decoded = DecodePageText(m_bytes.mid(i, length));
        // A character outside the basic plane is two display units; both start at i.
        for (qsizetype k = 0; k < decoded.size(); ++k)
            m_offsets.append(i);
        m_text.append(decoded);
        i += length;
    }
    m_offsets.append(n);
}

void TPageTextMap::setText(const QString &text)
{
    if (text == m_text)
        return;
    const qsizetype oldSize = m_text.size();
    const qsizetype newSize = text.size();
    qsizetype prefix = 0;
    const qsizetype limit = std::min(oldSize, newSize);
    while (prefix < limit && m_text[prefix] == text[prefix])
        ++prefix;
    // Never split the two halves of a character outside the basic plane.
    while (prefix > 0 && prefix < oldSize && m_offsets[prefix] == m_offsets[prefix - 1])
        --prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && m_text[oldSize - 1 - suffix] == text[newSize - 1 - suffix])
        ++suffix;
    while (suffix > 0 && oldSize - suffix > prefix &&
           m_offsets[oldSize - suffix] == m_offsets[oldSize - suffix - 1])
        --suffix;

    const qsizetype cutFrom = m_offsets[prefix];
    const qsizetype cutTo = m_offsets[oldSize - suffix];

    // The new characters with the bytes each one becomes.
    QByteArray inserted;
    QList<qsizetype> insertedOffsets;
    const QString middle = text.mid(prefix, newSize - prefix - suffix);
    for (qsizetype k = 0; k < middle.size(); ++k) {
        insertedOffsets.append(cutFrom + inserted.size());
        if (middle[k] == QLatin1Char('\n')) {
            inserted.append("\r\n");
        } else if (middle[k].isHighSurrogate() && k + 1 < middle.size()) {
            insertedOffsets.append(cutFrom + inserted.size());
            inserted.append(EncodePageText(middle.mid(k, 2)));
            ++k;
        } else {
            inserted.append(EncodePageText(middle.mid(k, 1)));
        }
    }

    QByteArray bytes;
    bytes.reserve(m_bytes.size() + inserted.size());
    bytes.append(m_bytes.constData(), cutFrom);
    bytes.append(inserted);
    bytes.append(m_bytes.constData() + cutTo, m_bytes.size() - cutTo);
    const qsizetype shift = inserted.size() - (cutTo - cutFrom);

    QList<qsizetype> offsets;
    offsets.reserve(newSize + 1);
    offsets.append(m_offsets.first(prefix));
    offsets.append(insertedOffsets);
    for (qsizetype k = oldSize - suffix; k <= oldSize; ++k)
        offsets.append(m_offsets[k] + shift);

    // Joining a lone CR to a lone LF would make two line ends one when the page is read again;
    // the CR becomes a CR LF so the bytes keep the line ends the box shows.
    const qsizetype junctions[] = {prefix + middle.size(), prefix};
    for (int k = 0; k < (middle.isEmpty() ? 1 : 2); ++k) {
        const qsizetype at = junctions[k];
        if (at <= 0 || at >= newSize)
            continue;
        const qsizetype byte = offsets[at];
        if (bytes[byte - 1] == '\r' && bytes[byte] == '\n') {
            bytes.insert(byte, '\n');
            for (qsizetype j = at; j <= newSize; ++j)
                ++offsets[j];
        }
    }
    m_bytes = std::move(bytes);
    m_offsets = std::move(offsets);
    m_text = text;
}
