#include "dxfdrawing.h"

#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cmath>
#include <optional>

namespace {

constexpr qint64 maxDrawingBytes = 64LL * 1024 * 1024;
constexpr int longSide = 640;

struct Drawing {
    QList<QPainterPath> shapes;
    QRectF extents;
};

struct Pair {
    int code = 0;
    QByteArray value;
};

// Collects the entity being read and turns it into a path when the next entity starts.
class EntityBuilder {
public:
    void start(const QByteArray &kind)
    {
        m_kind = kind;
        m_pairs.clear();
    }
    void add(const Pair &pair) { m_pairs.append(pair); }

    std::optional<QPainterPath> finish() const
    {
        QPainterPath path;
        if (m_kind == "LINE") {
            path.moveTo(num(10), num(20));
            path.lineTo(num(11), num(21));
        } else if (m_kind == "CIRCLE") {
            const double r = num(40);
            path.addEllipse(QPointF(num(10), num(20)), r, r);
        } else if (m_kind == "ARC") {
            const double r = num(40);
            const QRectF box(num(10) - r, num(20) - r, 2 * r, 2 * r);
            double sweep = num(51) - num(50);
            if (sweep < 0)
                sweep += 360;
            path.arcMoveTo(box, num(50));
            path.arcTo(box, num(50), sweep);
        } else if (m_kind == "POINT") {
            path.addRect(QRectF(num(10), num(20), 0, 0));
        } else if (m_kind == "LWPOLYLINE") {
            bool first = true;
            double x = 0;
            for (const Pair &p : m_pairs) {
                if (p.code == 10)
                    x = p.value.trimmed().toDouble();
                else if (p.code == 20) {
                    const QPointF point(x, p.value.trimmed().toDouble());
                    first ? path.moveTo(point) : path.lineTo(point);
                    first = false;
                }
            }
            // The flags are an integer field; a value no int can hold sets none of them
            // (converting it would be undefined).
            const double flags = num(70);
            if (std::abs(flags) < 1e9 && (int(flags) & 1))
                path.closeSubpath();
        } else {
            return std::nullopt;
        }
        return path;
    }

private:
    double num(int code) const
    {
        for (const Pair &p : m_pairs)
            if (p.code == code)
                return p.value.trimmed().toDouble();
        return 0;
    }

    QByteArray m_kind;
    QList<Pair> m_pairs;
};

TImageResult<Drawing> load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return TImageError::of(ImageError::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        return TImageError::of(ImageError::CannotOpen);
    if (file.size() > maxDrawingBytes)
        return TImageError::of(ImageError::TooLarge);
    Drawing drawing;
    const QList<QByteArray> lines = file.readAll().split('\n');
    bool inEntities = false;
    bool sawSection = false;
    EntityBuilder entity;
    bool haveEntity = false;
    auto flush = [&] {
        if (!haveEntity)
            return;
        if (const auto path = entity.finish()) {
            drawing.shapes.append(*path);
            drawing.extents = drawing.extents.isNull() ? path->boundingRect()
                                                       : drawing.extents.united(path->boundingRect());
        }
        haveEntity = false;
    };
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        bool ok = false;
        const int code = lines[i].trimmed().toInt(&ok);
        if (!ok)
            return TImageError::of(ImageError::BadFile, QStringLiteral("line %1").arg(i + 1));
        const QByteArray value = lines[i + 1].trimmed();
        if (code == 0) {
            flush();
            if (value == "SECTION")
                sawSection = true;
            else if (value == "ENDSEC")
                inEntities = false;
            else if (value == "EOF")
                break;
            else if (inEntities) {
                entity.start(value);
                haveEntity = true;
            }
        } else if (code == 2 && sawSection && value == "ENTITIES" && !haveEntity) {
            inEntities = true;
        } else if (haveEntity) {
            entity.add({code, value});
        }
    }
    flush();
    if (!sawSection)
        return TImageError::of(ImageError::BadFile);
    if (drawing.shapes.isEmpty())
        return TImageError::of(ImageError::BadFile, QStringLiteral("no lines, arcs or circles"));
    if (!std::isfinite(drawing.extents.width()) || !std::isfinite(drawing.extents.height()))
        return TImageError::of(ImageError::BadFile);
    return drawing;
}

TDrawingInfo infoOf(const Drawing &drawing)
{
    TDrawingInfo info;
    info.minX = drawing.extents.left();
    info.minY = drawing.extents.top();
    info.maxX = drawing.extents.right();
    info.maxY = drawing.extents.bottom();
    info.entities = int(drawing.shapes.size());
    return info;
}

} // namespace

TImageResult<TDrawingInfo> TDxfDrawing::info(const QString &fileName)
{
    const TImageResult<Drawing> drawing = load(fileName);
    if (!drawing)
        return drawing.error();
    return infoOf(*drawing);
}

QSize TDxfDrawing::pictureSize(const TDrawingInfo &info)
{
    const double w = qMax(info.maxX - info.minX, 0.0);
    const double h = qMax(info.maxY - info.minY, 0.0);
    if (w <= 0 && h <= 0)
        return QSize(longSide / 4, longSide / 4);
    const double scale = longSide / qMax(w, h);
    return QSize(qMax(1, int(std::lround(w * scale))), qMax(1, int(std::lround(h * scale))));
}

TImageResult<QImage> TDxfDrawing::render(const QString &fileName)
{
    const TImageResult<Drawing> loaded = load(fileName);
    if (!loaded)
        return loaded.error();
    const Drawing &drawing = *loaded;
    const TDrawingInfo info = infoOf(drawing);
    const QSize size = pictureSize(info);
    constexpr int margin = 8;
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double w = info.maxX - info.minX;
        const double h = info.maxY - info.minY;
        const double scale = (w <= 0 && h <= 0) ? 1.0 : longSide / qMax(w, h);
        // Drawings have y growing upwards; pictures downwards.
        painter.translate(margin, margin + size.height());
        painter.scale(scale, -scale);
        painter.translate(-info.minX, -info.minY);
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        pen.setWidthF(1.5);
        painter.setPen(pen);
        for (const QPainterPath &path : drawing.shapes)
            painter.drawPath(path);
    }
    return image;
}
