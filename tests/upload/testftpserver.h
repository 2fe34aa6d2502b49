#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#ifndef ZV_UPLOAD_TEST_DIR
#define ZV_UPLOAD_TEST_DIR ZV_TEST_SOURCE_DIR
#endif

// A real FTP server on 127.0.0.1 for one test, run from ftpserver.py beside this file with the
// faults the test asks for. Files arrive in Root(); the server stops when the object goes.
class TTestFtpServer {
public:
    static constexpr const char *User = "user";
    // A password with the characters that would break a URL, to prove it never goes into one.
    static constexpr const char *Password = "pa&ss @:word";

    explicit TTestFtpServer(const QStringList &options = {})
    {
        QDir().mkpath(Root());
        const QString portFile = m_folder.filePath(QStringLiteral("port"));
        QStringList args{QStringLiteral(ZV_UPLOAD_TEST_DIR "/ftpserver.py"), Root(), portFile};
        args += options;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"), args);
        const QDeadlineTimer deadline(20000);
        while (!QFile::exists(portFile) && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            QThread::msleep(20);
        QFile file(portFile);
        if (file.open(QIODevice::ReadOnly))
            m_port = file.readAll().trimmed().toInt();
        EXPECT_GT(m_port, 0) << "the test FTP server did not start";
    }

    ~TTestFtpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    TTestFtpServer(const TTestFtpServer &) = delete;
    TTestFtpServer &operator=(const TTestFtpServer &) = delete;

    int Port() const { return m_port; }
    // "127.0.0.1:port", the address as a user would type it.
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString Root() const { return m_folder.filePath(QStringLiteral("root")); }
    // The certificate a TLS server presents, to trust it.
    QString Certificate() const { return m_folder.filePath(QStringLiteral("cert.pem")); }

    QByteArray FileBytes(const QString &relative) const
    {
        QFile file(Root() + QLatin1Char('/') + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool Has(const QString &relative) const { return QFile::exists(Root() + QLatin1Char('/') + relative); }
    // Every file below the root, as "folder/name" paths, sorted.
    QStringList Files() const
    {
        QStringList out;
        collect(QDir(Root()), QString(), out);
        out.sort();
        return out;
    }

private:
    static void collect(const QDir &dir, const QString &prefix, QStringList &out)
    {
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (info.isDir())
                collect(QDir(info.filePath()), prefix + info.fileName() + QLatin1Char('/'), out);
            else
                out << prefix + info.fileName();
        }
    }

    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
};
