#pragma once

#include "testftpserver.h"
#include "uploadinput.h"
#include "uploadjob.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

// A program folder with a saved page "my page.html" in its HTML folder and the pictures it uses:
// one picture twice, one with a space in its name, a background, a commented-out picture, a web
// address and a private file outside the folder.
class UploadFolderTest : public ::testing::Test {
protected:
    static QByteArray pictureBytes(int size, char seed)
    {
        // Every byte value, CR LF pairs and lone LFs included, so any line-end conversion shows.
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 7 + seed) & 0xff);
        bytes.replace(0, 4, "\r\n\n\r");
        return bytes;
    }

    void SetUp() override
    {
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("HTMLFiles/graphics"));
        root.mkpath(QStringLiteral("HTMLFiles/backgrnd"));
        root.mkpath(QStringLiteral("save"));
        writeFile(QStringLiteral("secret.txt"), "private");
        writeFile(QStringLiteral("HTMLFiles/graphics/dog.gif"), pictureBytes(3000, 1));
        writeFile(QStringLiteral("HTMLFiles/graphics/my cat.jpg"), pictureBytes(5000, 2));
        writeFile(QStringLiteral("HTMLFiles/backgrnd/stars.gif"), pictureBytes(700, 3));
        m_page = "<HTML>\r\n<HEAD>\r\n<TITLE>Caf\xe9 page</TITLE>\r\n</HEAD>\r\n"
                 "<BODY BACKGROUND=\"backgrnd/stars.gif\">\r\n"
                 "<IMG SRC=\"graphics/dog.gif\">\r\n<IMG SRC=graphics/dog.gif>\r\n"
                 "<IMG SRC=\"graphics/my cat.jpg\">\r\n"
                 "<!-- <IMG SRC=\"graphics/old.gif\"> -->\r\n"
                 "<IMG SRC=\"http://example.com/logo.gif\">\r\n"
                 "<IMG SRC=\"../secret.txt\">\r\n"
                 "</BODY>\r\n</HTML>\r\n";
        writeFile(QStringLiteral("HTMLFiles/my page.html"), m_page);
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString &relative) const
    {
        QFile f(m_dir.filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TUploadInput input(const TTestFtpServer &server, const QString &directory = QStringLiteral("site")) const
    {
        TUploadInput in;
        in.Address = server.Address();
        in.Directory = directory;
        in.UserName = QString::fromLatin1(TTestFtpServer::User);
        in.Password = QString::fromLatin1(TTestFtpServer::Password);
        in.DocFileName = m_dir.filePath(QStringLiteral("save/my page.zve"));
        in.HTMLFolder = m_dir.filePath(QStringLiteral("HTMLFiles")) + QLatin1Char('/');
        return in;
    }

    QTemporaryDir m_dir;
    QByteArray m_page;
};
