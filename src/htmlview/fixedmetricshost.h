#pragma once

#include "viewhost.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

#include <vector>

// A host with simple, exact metrics for tests and benchmarks: every character is size / 2 pixels
// wide (one more when bold), the ascent is the size and the descent a quarter of it. Images are
// "read" from a table of names and sizes; drawing calls are recorded as text lines.
class FixedMetricsHost : public ViewHost {
public:
    TFontHandle createFont(const TFontSpec &fontSpec) override;
    TFontMetrics fontMetrics(TFontHandle font) override;
    int textWidth(TFontHandle font, QStringView text) override;

    // Fonts of this face get their ascent and descent as these percentages of the size instead,
    // so that tests can mix fonts whose ascent and descent do not grow together.
    void setFaceMetrics(const QString &face, int ascentPercent, int descentPercent);

    // Files that loadImage finds, by the path's file name in lower case.
    void addImage(const QString &fileName, QSize size, bool transparent = false);
    THostImage loadImage(const QString &path) override;
    THostImage builtinImage(TBuiltinImage which) override;
    void makeTransparent(TImageHandle image, int colour) override;
    void releaseImage(TImageHandle image) override;
    int loadCount() const { return m_loads; }
    int liveImages() const { return m_live; }

    void setClip(const QRect &rect) override;
    void fillRect(const QRect &rect, QRgb colour) override;
    void drawLine(QPoint from, QPoint to, QRgb colour) override;
    void drawEllipse(const QRect &rect, QRgb colour, TFill fill) override;
    void drawText(int x, int baseline, TFontHandle font, QRgb colour, QStringView text) override;
    void drawImage(TImageHandle image, const QRect &target) override;

    const TFontSpec &fontSpec(TFontHandle font) const { return m_fonts.at(font - 1); }
    // What was drawn, one call a line.
    QStringList drawLog;

private:
    std::vector<TFontSpec> m_fonts;
    QHash<QString, QPair<int, int>> m_faceMetrics;
    QHash<QString, QPair<QSize, bool>> m_files;
    int m_nextImage = 10;
    int m_loads = 0;
    int m_live = 0;
};
