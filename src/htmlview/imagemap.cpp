#include "imagemap.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr int kMaxCoordinate = 100000;
} // namespace

bool TMapArea::Contains(int x, int y) const
{
    switch (Shape) {
    case TAreaShape::Rect:
        return Bounds.contains(x, y);
    case TAreaShape::Circle: {
        if (!Bounds.contains(x, y))
            return false;
        const QPoint c = Bounds.center();
        const qint64 r = Bounds.width() / 2;
        const qint64 dx = x - c.x(), dy = y - c.y();
        return dx * dx + dy * dy <= r * r;
    }
    case TAreaShape::Poly:
        return Polygon.containsPoint(QPoint(x, y), Qt::WindingFill);
    }
    return false;
}

bool TImageMap::AddArea(const QString &shape, const QString &coords, const TLinkTarget &link, bool noHref)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    QList<int> numbers;
    for (const QString &part : coords.split(separators, Qt::SkipEmptyParts)) {
        if (numbers.size() >= 200)
            break;
        // Pictures are far smaller than this; the bound keeps the shapes' arithmetic in range.
        numbers.append(std::clamp(part.trimmed().toInt(), -kMaxCoordinate, kMaxCoordinate));
    }
    TMapArea area;
    const QString kind = shape.left(4).toLower();
    if (kind == QLatin1String("circ")) {
        if (numbers.size() < 3)
            return false;
        area.Shape = TAreaShape::Circle;
        const int r = qAbs(numbers[2]);
        area.Bounds = QRect(QPoint(numbers[0] - r, numbers[1] - r), QPoint(numbers[0] + r, numbers[1] + r));
    } else if (kind == QLatin1String("poly")) {
        if (numbers.size() < 6)
            return false;
        area.Shape = TAreaShape::Poly;
        for (int i = 0; i + 1 < numbers.size(); i += 2)
            area.Polygon << QPoint(numbers[i], numbers[i + 1]);
    } else {
        if (numbers.size() < 4)
            return false;
        area.Bounds = QRect(QPoint(numbers[0], numbers[1]), QPoint(numbers[2], numbers[3])).normalized();
    }
    if (!noHref)
        area.Link = link;
    Areas.push_back(std::move(area));
    return true;
}

const TMapArea *TImageMap::Find(int x, int y) const
{
    for (const TMapArea &a : Areas) {
        if (a.Contains(x, y))
            return &a;
    }
    return nullptr;
}
