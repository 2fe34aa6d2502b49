#include "qtmeasurehost.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPalette>

QtMeasureHost::QtMeasureHost() = default;
QtMeasureHost::~QtMeasureHost() = default;

TFontHandle QtMeasureHost::createFont(const TFontSpec &fontSpec)
{
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].fontSpec == fontSpec)
            return TFontHandle(i + 1);
    }
    QFont f(fontSpec.Face);
    f.setPointSize(qMax(1, fontSpec.PointSize));
    f.setBold(fontSpec.Style & fsBold);
    f.setItalic(fontSpec.Style & fsItalic);
    f.setUnderline(fontSpec.Style & fsUnderline);
    if (fontSpec.FixedPitch) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::Monospace);
    }
    // Text is measured as the sum of its characters' advances, which is fast and lets a word be
    // measured once; drawing without kerning and ligatures keeps the painted text the same width.
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferNoShaping);
    const QFontMetrics metrics(f);
    m_fonts.push_back(
        {fontSpec, f, metrics, {metrics.ascent(), metrics.descent()}, QFontMetricsF(f), {}, {}});
    m_fonts.back().latin.fill(-1);
    return TFontHandle(m_fonts.size());
}

TFontMetrics QtMeasureHost::fontMetrics(TFontHandle font)
{
    return m_fonts.at(font - 1).vertical;
}

int QtMeasureHost::textWidth(TFontHandle font, QStringView text)
{
    // Every word of a page comes here: the loop over characters already measured stays small,
    // and the rest (measuring a character for the first time, characters above 255) is done
    // out of line. The sum runs left to right in both, so the rounding is always the same.
    FontEntry &f = m_fonts.at(font - 1);
    const char16_t *chars = text.utf16();
    const qsizetype size = text.size();
    qreal width = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = chars[i];
        if (u >= 256 || f.latin[u] < 0)
            return qRound(MeasureFrom(f, text, i, width));
        width += f.latin[u];
    }
    return qRound(width);
}

qreal QtMeasureHost::MeasureFrom(FontEntry &f, QStringView text, qsizetype from, qreal width)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u < 256) {
            float &w = f.latin[u];
            if (w < 0)
                w = float(f.exact.horizontalAdvance(c));
            width += w;
        } else if (c.isHighSurrogate() && i + 1 < text.size()) {
            // Characters outside the basic plane are rare: measured as their pair each time.
            width += f.exact.horizontalAdvance(text.mid(i, 2).toString());
            ++i;
        } else {
            auto it = f.other.constFind(u);
            if (it == f.other.constEnd())
                it = f.other.insert(u, f.exact.horizontalAdvance(c));
            width += *it;
        }
    }
    return width;
}

THostImage QtMeasureHost::loadImage(const QString &path)
{
    // Asked for a file that is not there, the image reader tries the name with every picture
    // suffix it knows; a page full of missing pictures would open hundreds of files for nothing.
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage img = reader.read();
    if (img.isNull())
        return {};
    // A GIF whose palette holds a transparent entry counts as transparent.
    const bool transparent = reader.format() == "gif" && img.hasAlphaChannel();
    const TImageHandle h = addImage(img);
    return {h, img.width(), img.height(), transparent};
}

TImageHandle QtMeasureHost::addImage(const QImage &image)
{
    const TImageHandle h = m_nextImage++;
    m_images.insert(h, image);
    return h;
}

THostImage QtMeasureHost::builtinImage(TBuiltinImage which)
{
    TImageHandle &handle = which == TBuiltinImage::Broken ? m_broken : m_placeholder;
    if (!handle) {
        // Two small pictures drawn here rather than shipped: a framed page with a red cross for
        // a picture that could not be read, and a framed landscape for pictures switched off.
        QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(0, 0, 15, 15);
        if (which == TBuiltinImage::Broken) {
            p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
            p.drawLine(4, 4, 11, 11);
            p.drawLine(11, 4, 4, 11);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x40, 0x90, 0x40));
            p.drawPolygon(QPolygon({QPoint(2, 13), QPoint(7, 6), QPoint(10, 10), QPoint(13, 13)}));
            p.setBrush(QColor(0xE0, 0xB0, 0x20));
            p.drawEllipse(QPoint(11, 5), 2, 2);
        }
        p.end();
        handle = addImage(img);
    }
    return {handle, 16, 16, false};
}

void QtMeasureHost::makeTransparent(TImageHandle handle, int colour)
{
    auto it = m_images.find(handle);
    if (it == m_images.end() || it->isNull())
        return;
    QImage &img = *it;
    const QRgb key = colour >= 0 ? qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF)
                                 : img.pixel(0, img.height() - 1);
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
        }
    }
}

void QtMeasureHost::releaseImage(TImageHandle handle)
{
    if (handle != m_broken && handle != m_placeholder)
        m_images.remove(handle);
}

const QImage *QtMeasureHost::image(TImageHandle handle) const
{
    auto it = m_images.constFind(handle);
    return it == m_images.constEnd() ? nullptr : &*it;
}

QRgb QtMeasureHost::systemColor(TSystemColor which) const
{
    if (!qGuiApp)
        return ViewHost::systemColor(which);
    const QPalette pal = QGuiApplication::palette();
    switch (which) {
    case TSystemColor::ButtonFace:
        return pal.color(QPalette::Button).rgb();
    case TSystemColor::ButtonShadow:
        return pal.color(QPalette::Dark).rgb();
    case TSystemColor::ButtonHighlight:
        return pal.color(QPalette::Light).rgb();
    case TSystemColor::ButtonText:
        return pal.color(QPalette::ButtonText).rgb();
    }
    return ViewHost::systemColor(which);
}
