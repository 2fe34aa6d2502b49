#pragma once

#include "imagelib.h"
#include "magickdecoder.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// Picture files the imaging tests make for themselves in a temporary folder.

// A picture with distinct colours in its corners, so that a wrong orientation or channel order
// shows up in the pixels and not only in the size.
inline QImage samplePicture(int width = 40, int height = 30)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 144, 255));
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height / 2, QColor(220, 20, 20));
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(20, 180, 20));
    return image;
}

class ImageFiles : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString writeQt(const QString &name, const QByteArray &format, const QImage &image = samplePicture())
    {
        QImageWriter writer(path(name), format);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path(name);
    }

    QString writeMagick(const QString &name, const char *format, const QImage &image = samplePicture())
    {
        EXPECT_TRUE(TMagickDecoder::write(image, path(name), format));
        return path(name);
    }

    QString writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }

    static void expectCornerColours(const QImage &image, int tolerance)
    {
        auto near = [&](QRgb got, QColor want) {
            return std::abs(qRed(got) - want.red()) <= tolerance &&
                   std::abs(qGreen(got) - want.green()) <= tolerance &&
                   std::abs(qBlue(got) - want.blue()) <= tolerance;
        };
        EXPECT_TRUE(near(image.pixel(3, 3), QColor(220, 20, 20)));
        EXPECT_TRUE(near(image.pixel(image.width() - 4, image.height() - 4), QColor(20, 180, 20)));
        EXPECT_TRUE(near(image.pixel(image.width() - 4, 3), QColor(30, 144, 255)));
    }

    QTemporaryDir m_dir;
    TImageLib lib; // the binding the tests read and write through
};
