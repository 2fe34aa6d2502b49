#include "numbereditem.h"

// Not yet done.
void TNumberedItem::DrawMarker(TDrawContext &, const TLineBox &) const {}
