#pragma once

#include <QHash>
#include <QString>

// What was last sent successfully to each server: for every remote file its size and a hash of
// its content. A picture that is unchanged since then, and still on the server at that size, need
// not be sent again. The record is a small file of its own; a missing or damaged file simply
// means nothing is known and everything is sent.
class TUploadRecord {
public:
    struct TSentFile {
        qint64 size = -1;
        QByteArray sha256; // hexadecimal
    };

    // The key of one server's files: its address, user, folder and folder layout.
    static QString ServerKey(const QString &address, const QString &user, const QString &directory,
                             bool flatDir);
    // The size and hash of a local file; size -1 when it cannot be read.
    static TSentFile Describe(const QString &localPath);

    void Load(const QString &fileName);
    // Writes the whole record; false when the file could not be written.
    bool Save(const QString &fileName) const;

    // The last successful upload of remoteName to the server, if any.
    const TSentFile *Find(const QString &serverKey, const QString &remoteName) const;
    void Remember(const QString &serverKey, const QString &remoteName, const TSentFile &file);
    void Forget(const QString &serverKey, const QString &remoteName);

private:
    QHash<QString, QHash<QString, TSentFile>> m_servers;
};
