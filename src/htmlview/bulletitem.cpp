#include "bulletitem.h"

// Not yet done.
void TBulletItem::DrawMarker(TDrawContext &, const TLineBox &) const {}
