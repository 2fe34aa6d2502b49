#pragma once

#include "viewhost.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>

#include <array>
#include <vector>

// Fonts, text measuring and images through Qt (QFont, QFontMetrics, QImageReader); the drawing
// calls do nothing. zvtool lays out with it; the viewer widget's painting host derives from it
// and draws with a QPainter.
class QtMeasureHost : public ViewHost {
public:
    QtMeasureHost();
    ~QtMeasureHost() override;

    TFontHandle createFont(const TFontSpec &fontSpec) override;
    TFontMetrics fontMetrics(TFontHandle font) override;
    int textWidth(TFontHandle font, QStringView text) override;

    THostImage loadImage(const QString &path) override;
    THostImage builtinImage(TBuiltinImage which) override;
    void makeTransparent(TImageHandle image, int colour) override;
    void releaseImage(TImageHandle image) override;
    // Adds an image made elsewhere (the viewer's image request event) and gives its handle.
    TImageHandle addImage(const QImage &image);

    QRgb systemColor(TSystemColor which) const override;

    void setClip(const QRect &) override {}
    void fillRect(const QRect &, QRgb) override {}
    void drawLine(QPoint, QPoint, QRgb) override {}
    void drawEllipse(const QRect &, QRgb, TFill) override {}
    void drawText(int, int, TFontHandle, QRgb, QStringView) override {}
    void drawImage(TImageHandle, const QRect &) override {}

protected:
    const QFont &font(TFontHandle handle) const { return m_fonts.at(handle - 1).font; }
    const QImage *image(TImageHandle handle) const;

private:
    struct FontEntry {
        TFontSpec fontSpec;
        QFont font;
        QFontMetrics metrics;
        TFontMetrics vertical; // ascent and descent, asked for every line
        QFontMetricsF exact;
        // Advances of the characters 0..255, filled on first use; -1 not measured yet. They are
        // kept fractional so that a word's width is rounded once, as the painter draws it.
        std::array<float, 256> latin;
        QHash<char16_t, qreal> other;
    };
    // The width of text from one character on, added to the width before it.
    static qreal MeasureFrom(FontEntry &f, QStringView text, qsizetype from, qreal width);

    std::vector<FontEntry> m_fonts;
    QHash<TImageHandle, QImage> m_images;
    TImageHandle m_nextImage = 1;
    TImageHandle m_broken = 0;
    TImageHandle m_placeholder = 0;
};
