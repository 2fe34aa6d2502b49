#include "inlineimage.h"

#include "viewdocument.h"

// Not yet done.
void TInlineImage::Measure(TViewDocument &, ViewHost &) {}
void TInlineImage::Draw(const TViewDocument &, ViewHost &, int, int) const {}
