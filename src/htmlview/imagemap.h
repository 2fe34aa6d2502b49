#pragma once

#include "viewtypes.h"

#include <QPolygon>
#include <QRect>
#include <QString>

#include <vector>

enum class TAreaShape : uint8_t { Rect, Circle, Poly };

// One AREA of a client-side image map.
struct TMapArea {
    TAreaShape Shape = TAreaShape::Rect;
    QRect Bounds;     // rectangle and circle: the region, edges included
    QPolygon Polygon; // polygon: its corners
    TLinkTarget Link; // empty URL for NOHREF

    bool Contains(int x, int y) const;
};

// A MAP: its upper-cased name and its areas in AREA order.
class TImageMap {
public:
    QString Name;
    std::vector<TMapArea> Areas;

    // Builds an area from AREA's SHAPE, COORDS, HREF, TARGET and NOHREF; false (nothing added)
    // when the coordinates are too few for the shape.
    bool AddArea(const QString &shape, const QString &coords, const TLinkTarget &link, bool noHref);
    // The first area containing the point (relative to the image), or nullptr.
    const TMapArea *Find(int x, int y) const;
};
