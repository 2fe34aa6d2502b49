#include "fixedmetricshost.h"

TFontHandle FixedMetricsHost::createFont(const TFontSpec &fontSpec)
{
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i] == fontSpec)
            return TFontHandle(i + 1);
    }
    m_fonts.push_back(fontSpec);
    return TFontHandle(m_fonts.size());
}

TFontMetrics FixedMetricsHost::fontMetrics(TFontHandle font)
{
    const TFontSpec &described = fontSpec(font);
    const int size = described.PointSize;
    if (const auto it = m_faceMetrics.constFind(described.Face); it != m_faceMetrics.constEnd())
        return {size * it->first / 100, size * it->second / 100};
    return {size, (size + 3) / 4};
}

void FixedMetricsHost::setFaceMetrics(const QString &face, int ascentPercent, int descentPercent)
{
    m_faceMetrics.insert(face, {ascentPercent, descentPercent});
}

int FixedMetricsHost::textWidth(TFontHandle font, QStringView text)
{
    const TFontSpec &s = fontSpec(font);
    return int(text.size()) * (s.PointSize / 2 + ((s.Style & fsBold) ? 1 : 0));
}

void FixedMetricsHost::addImage(const QString &fileName, QSize size, bool transparent)
{
    m_files.insert(fileName.toLower(), {size, transparent});
}

THostImage FixedMetricsHost::loadImage(const QString &path)
{
    ++m_loads;
    QString name = path;
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(cut + 1).toLower();
    const auto it = m_files.constFind(name);
    if (it == m_files.constEnd())
        return {};
    ++m_live;
    return {m_nextImage++, it->first.width(), it->first.height(), it->second};
}

THostImage FixedMetricsHost::builtinImage(TBuiltinImage which)
{
    // Two fixed handles that are never released.
    return which == TBuiltinImage::Broken ? THostImage{1, 16, 16, false} : THostImage{2, 16, 16, false};
}

void FixedMetricsHost::makeTransparent(TImageHandle image, int colour)
{
    drawLog << QStringLiteral("transparent %1 %2").arg(image).arg(colour);
}

void FixedMetricsHost::releaseImage(TImageHandle image)
{
    if (image > 2)
        --m_live;
}

void FixedMetricsHost::setClip(const QRect &rect)
{
    drawLog << QStringLiteral("clip %1,%2 %3x%4")
                   .arg(rect.x())
                   .arg(rect.y())
                   .arg(rect.width())
                   .arg(rect.height());
}

void FixedMetricsHost::fillRect(const QRect &rect, QRgb colour)
{
    drawLog << QStringLiteral("fill %1,%2 %3x%4 #%5")
                   .arg(rect.x())
                   .arg(rect.y())
                   .arg(rect.width())
                   .arg(rect.height())
                   .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

void FixedMetricsHost::drawLine(QPoint from, QPoint to, QRgb colour)
{
    drawLog << QStringLiteral("line %1,%2 %3,%4 #%5")
                   .arg(from.x())
                   .arg(from.y())
                   .arg(to.x())
                   .arg(to.y())
                   .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

void FixedMetricsHost::drawEllipse(const QRect &rect, QRgb colour, TFill fill)
{
    drawLog << QStringLiteral("ellipse %1,%2 %3x%4 #%5 %6")
                   .arg(rect.x())
                   .arg(rect.y())
                   .arg(rect.width())
                   .arg(rect.height())
                   .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                   .arg(fill == TFill::Solid ? QStringLiteral("solid") : QStringLiteral("outline"));
}

void FixedMetricsHost::drawText(int x, int baseline, TFontHandle font, QRgb colour, QStringView text)
{
    const TFontSpec &s = fontSpec(font);
    drawLog << QStringLiteral("text %1,%2 %3/%4/%5 #%6 \"%7\"")
                   .arg(x)
                   .arg(baseline)
                   .arg(s.Face)
                   .arg(s.PointSize)
                   .arg(int(s.Style))
                   .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                   .arg(text.toString());
}

void FixedMetricsHost::drawImage(TImageHandle image, const QRect &target)
{
    drawLog << QStringLiteral("image %1 %2,%3 %4x%5")
                   .arg(image)
                   .arg(target.x())
                   .arg(target.y())
                   .arg(target.width())
                   .arg(target.height());
}
