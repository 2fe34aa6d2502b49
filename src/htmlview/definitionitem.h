#pragma once

#include "section.h"

// A DT or DD of a definition list: text indented by its list level, no marker.
class TDefinitionItem : public TSection {
public:
    using TSection::TSection;
    const char *KindName() const override { return "Definition"; }
};
