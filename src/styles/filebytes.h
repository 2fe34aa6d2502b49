#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// The bytes of a file for a reader that parses them in place. A regular file is mapped into
// memory rather than copied, so opening a huge file by mistake (a film picked in the open
// dialog) costs nothing beyond the few bytes the reader looks at before it gives up. What cannot
// be mapped (an empty file, a device, a pipe) is read up to a limit instead, so a reader never
// waits for an endless stream either.
class TFileBytes {
public:
    explicit TFileBytes(const QString &path);
    ~TFileBytes();
    TFileBytes(const TFileBytes &) = delete;
    TFileBytes &operator=(const TFileBytes &) = delete;

    bool isOpen() const { return m_open; }
    QString errorString() const { return m_file.errorString(); }
    QByteArrayView bytes() const { return m_view; }

    // How much of a file that cannot be mapped is read at the most.
    static constexpr qint64 kReadLimit = 64 * 1024 * 1024;

private:
    QFile m_file;
    uchar *m_map = nullptr;
    QByteArray m_copy;
    QByteArrayView m_view;
    bool m_open = false;
};
