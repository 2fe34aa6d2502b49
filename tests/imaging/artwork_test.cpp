#include "picturebox.h"
#include "resourcecursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct Art {
    QString name;
    QSize size;
};

// Every picture the main window, the build stage, the splash and the About box draw by name,
// with the size they are laid out for.
QList<Art> expectedArtwork()
{
    QList<Art> art = {
        {"Toolbar", {620, 96}},      {"ZV4Toolbar", {620, 96}}, {"Page_Back", {300, 272}},
        {"Page_BuzzBack", {96, 24}}, {"Splash", {200, 200}},    {"SPLASH_BACK", {464, 283}},
        {"Exit_Up", {84, 36}},       {"Exit_Dn", {84, 36}},     {"Max_Up", {36, 36}},
        {"Max_Dn", {36, 36}},        {"Max_Dis", {36, 36}},     {"Min_Up", {36, 36}},
        {"Min_Dn", {36, 36}},        {"Logo", {180, 40}},       {"Preview", {150, 36}},
        {"About", {350, 150}},       {"MainIcon", {256, 256}},  {"Mascot", {64, 59}},
        {"MascotB", {64, 59}},
    };
    const QList<int> widths = {146, 170, 170, 170, 140};
    for (int i = 0; i < widths.size(); ++i) {
        art.append({QString("Toolbutt%1").arg(i + 1), {widths[i], 96}});
        art.append({QString("ZV4Toolbutt%1").arg(i + 1), {widths[i], 96}});
    }
    for (const char *name : {"Para", "Link", "Image", "Heading", "Email", "Line"}) {
        const QString brick(name);
        art.append({brick, {95, 22}});
        art.append({brick + "_H", {95, 22}});
        art.append({brick + "_T", {290, 30}});
    }
    for (int i = 1; i <= 8; ++i)
        art.append({QString("Page_Buzz%1").arg(i), {78, 34}});
    return art;
}

QImage render(const QString &resource, const QSize &size, qreal ratio)
{
    QSvgRenderer svg(resource);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

bool hasVisiblePixels(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

// A contact sheet of all artwork at twice the density, for looking at the drawings as a whole:
// ZV_CONTACT_SHEET=/tmp/sheet.png ./test_imaging --gtest_filter='Artwork.*'
void writeContactSheet(const QList<Art> &art, const QString &file)
{
    constexpr qreal ratio = 2.0;
    constexpr int sheetWidth = 1300;
    QImage sheet(QSize(sheetWidth, 1500) * ratio, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    painter.setFont(QFont("Liberation Sans", 8));
    int x = 10, y = 10, rowHeight = 0;
    for (const Art &a : art) {
        if (x + a.size.width() > sheetWidth - 10) {
            x = 10;
            y += rowHeight + 22;
            rowHeight = 0;
        }
        const QSize shown = a.name == "MainIcon" ? QSize(64, 64) : a.size;
        painter.drawImage(QRect(QPoint(x, y), shown), render(":/art/" + a.name + ".svg", shown, ratio));
        painter.setPen(Qt::darkGray);
        painter.drawText(x, y + shown.height() + 12, a.name);
        x += qMax(shown.width(), 70) + 14;
        rowHeight = qMax(rowHeight, shown.height());
    }
    // The pictures as the build stage lays them out, to see that they fit together.
    x = 10;
    y += rowHeight + 30;
    auto place = [&](const QString &name, int left, int top, QSize size) {
        painter.drawImage(QRect(QPoint(x + left, y + top), size),
                          render(":/art/" + name + ".svg", size, ratio));
    };
    place("Toolbar", 0, 0, {620, 96});
    place("Toolbutt2", 103, 0, {170, 96});
    place("Mascot", 260, 12, {64, 59});
    y += 100;
    place("Page_Back", 10, 1, {300, 272});
    const QStringList bricks = {"Para", "Link", "Image", "Heading", "Email", "Line"};
    for (int i = 0; i < bricks.size(); ++i)
        place(bricks[i], 11, 1 + 22 * i, {95, 22});
    place("Heading", 209, 1, {95, 22});
    place("Para_H", 209, 32, {95, 22});
    place("Image", 209, 63, {95, 22});
    place("Page_BuzzBack", 0, 248, {96, 24});
    place("Page_Buzz3", 17, 238, {78, 34});
    place("Para_T", 330, 10, {290, 30});
    place("Max_Dis", 0, 290, {36, 36});
    place("Logo", 230, 288, {180, 40});
    place("Exit_Up", 530, 290, {84, 36});
    x = 660;
    rowHeight = 330;
    for (const QString &name : TResourceCursor::names()) {
        painter.drawImage(QRect(x, y, 32, 32), render(":/cursors/" + name + ".svg", {32, 32}, ratio));
        const QPoint spot = TResourceCursor::hotSpot(name);
        painter.setPen(Qt::red);
        painter.drawPoint(x + spot.x(), y + spot.y());
        painter.setPen(Qt::darkGray);
        painter.drawText(x, y + 44, name);
        x += 80;
    }
    painter.end();
    sheet.copy(0, 0, int(sheetWidth * ratio), int((y + rowHeight + 60) * ratio)).save(file);
}

} // namespace

TEST(Artwork, EveryNamedPictureExistsAndRendersAtItsSize)
{
    const QList<Art> art = expectedArtwork();
    for (const Art &a : art) {
        SCOPED_TRACE(a.name.toStdString());
        const QString resource = ":/art/" + a.name + ".svg";
        ASSERT_TRUE(QFile::exists(resource));
        QSvgRenderer svg(resource);
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.defaultSize(), a.size);
        // Drawn at twice the density the picture fills the larger canvas: nothing is a bitmap
        // scaled up, and nothing is blank.
        const QImage sharp = render(resource, a.size, 2.0);
        EXPECT_TRUE(hasVisiblePixels(sharp));
        EXPECT_EQ(sharp.deviceIndependentSize().toSize(), a.size);
    }
    if (qEnvironmentVariableIsSet("ZV_CONTACT_SHEET"))
        writeContactSheet(art, qEnvironmentVariable("ZV_CONTACT_SHEET"));
}

TEST(Artwork, HighlightPicturesContinueTheToolbarTheyCover)
{
    // Each highlight picture replaces a strip of the toolbar; at its top edge (outside the
    // highlight itself) it must match the toolbar pixel for pixel, or the strip shows a seam.
    const QImage toolbar = render(":/art/Toolbar.svg", {620, 96}, 1.0);
    const QList<QPair<int, int>> strips = {{0, 146}, {103, 170}, {230, 170}, {354, 170}, {481, 140}};
    for (int i = 0; i < strips.size(); ++i) {
        const auto [left, width] = strips[i];
        const QImage butt = render(QString(":/art/Toolbutt%1.svg").arg(i + 1), {width, 96}, 1.0);
        for (int x = 0; x < width; x += 7) {
            const QColor a = butt.pixelColor(x, 1), b = toolbar.pixelColor(left + x, 1);
            EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      6)
                << "Toolbutt" << i + 1 << " x " << x;
        }
    }
}

TEST(Artwork, ShredderFramesContinueTheCanvasTheyCover)
{
    // The frames sit at (7, 238) of the toolbox panel, the canvas at (0, 1): their left edge,
    // above the shredder, must show the canvas as it is there.
    const QImage canvas = render(":/art/Page_Back.svg", {300, 272}, 1.0);
    for (int i = 1; i <= 8; ++i) {
        const QImage frame = render(QString(":/art/Page_Buzz%1.svg").arg(i), {78, 34}, 1.0);
        for (int y = 0; y < 8; ++y) {
            const QColor a = frame.pixelColor(0, y), b = canvas.pixelColor(7, 237 + y);
            EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      6)
                << "Page_Buzz" << i << " y " << y;
            EXPECT_EQ(frame.pixelColor(0, y).alpha(), 255) << "frames must be opaque";
        }
    }
}

TEST(Artwork, CursorsLoadWithTheirHotSpots)
{
    for (const QString &name : TResourceCursor::names()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFile::exists(":/cursors/" + name + ".svg"));
        const QCursor cursor = TResourceCursor::cursor(name, 2.0);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), TResourceCursor::hotSpot(name));
        const QPoint spot = TResourceCursor::hotSpot(name);
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(spot));
    }
    EXPECT_EQ(TResourceCursor::hotSpot("Cursor_Hand"), QPoint(10, 2));
    EXPECT_EQ(TResourceCursor::cursor("No_Such_Cursor").shape(), Qt::ArrowCursor);
}

TEST(Artwork, SoundsAreShortSixteenBitPcmWaves)
{
    for (const char *name : {"wavClick1", "wavClick2", "wavShred", "wavUpload", "wavWebTurn", "wavWorks"}) {
        SCOPED_TRACE(name);
        QFile file(QString(":/sounds/%1.wav").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        ASSERT_GE(wav.size(), 44);
        EXPECT_TRUE(wav.startsWith("RIFF"));
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1);  // PCM
        EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 34), 16); // bits per sample
        const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
        const quint32 dataBytes = qFromLittleEndian<quint32>(wav.constData() + 40);
        const double seconds = double(dataBytes) / (rate * 2);
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 1.5);
    }
}

TEST(Artwork, PictureBoxLoadsCompiledInPicturesByResName)
{
    TPictureBox box;
    box.setImageName("Toolbar.res");
    EXPECT_EQ(box.picture().size(), QSize(620, 96));
    EXPECT_EQ(box.pictureName(), "TOOLBAR.RES");
    box.setImageName("C:\\Program\\Para_H.RES");
    EXPECT_EQ(box.picture().size(), QSize(95, 22));
}
