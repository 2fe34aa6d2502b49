#pragma once

#include "stylechunk.h"
#include "workinglist.h"

// The style wizard's working copy of the style list and the style being edited; a fresh style
// has the default colours.
class TStyleWorkingList : public TWorkingList<TStyleChunk> {
public:
    explicit TStyleWorkingList(const TStyleList &styles = {}) : TWorkingList(styles) {}

    TStyleList styles() const { return entries<TStyleList>(); }
};
