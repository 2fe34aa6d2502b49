#include "uploadrecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString TUploadRecord::ServerKey(const QString &address, const QString &user, const QString &directory,
                                 bool flatDir)
{
    return address.trimmed().toLower() + QLatin1Char('|') + user + QLatin1Char('|') + directory +
           (flatDir ? QStringLiteral("|flat") : QString());
}

TUploadRecord::TSentFile TUploadRecord::Describe(const QString &localPath)
{
    TSentFile file;
    QFile f(localPath);
    if (!f.open(QIODevice::ReadOnly))
        return file;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return file;
    file.size = f.size();
    file.sha256 = hash.result().toHex();
    return file;
}

void TUploadRecord::Load(const QString &fileName)
{
    m_servers.clear();
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QJsonObject servers = QJsonDocument::fromJson(f.readAll()).object();
    for (auto server = servers.begin(); server != servers.end(); ++server) {
        const QJsonObject files = server.value().toObject();
        for (auto entry = files.begin(); entry != files.end(); ++entry) {
            const QJsonObject o = entry.value().toObject();
            TSentFile sent;
            sent.size = qint64(o.value(QStringLiteral("size")).toDouble(-1));
            sent.sha256 = o.value(QStringLiteral("sha256")).toString().toLatin1();
            if (sent.size >= 0 && sent.sha256.size() == 64)
                m_servers[server.key()][entry.key()] = sent;
        }
    }
}

bool TUploadRecord::Save(const QString &fileName) const
{
    QJsonObject servers;
    for (auto server = m_servers.begin(); server != m_servers.end(); ++server) {
        QJsonObject files;
        for (auto entry = server.value().begin(); entry != server.value().end(); ++entry) {
            files.insert(entry.key(),
                         QJsonObject{{QStringLiteral("size"), double(entry.value().size)},
                                     {QStringLiteral("sha256"), QString::fromLatin1(entry.value().sha256)}});
        }
        servers.insert(server.key(), files);
    }
    // Written whole or not at all, so a crash never leaves half a record that would skip files.
    // The first upload of all may find the program's configuration folder not there yet.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QJsonDocument(servers).toJson(QJsonDocument::Indented));
    return f.commit();
}

const TUploadRecord::TSentFile *TUploadRecord::Find(const QString &serverKey, const QString &remoteName) const
{
    const auto server = m_servers.constFind(serverKey);
    if (server == m_servers.constEnd())
        return nullptr;
    const auto file = server->constFind(remoteName);
    return file == server->constEnd() ? nullptr : &*file;
}

void TUploadRecord::Remember(const QString &serverKey, const QString &remoteName, const TSentFile &file)
{
    m_servers[serverKey][remoteName] = file;
}

void TUploadRecord::Forget(const QString &serverKey, const QString &remoteName)
{
    const auto server = m_servers.find(serverKey);
    if (server != m_servers.end())
        server->remove(remoteName);
}
