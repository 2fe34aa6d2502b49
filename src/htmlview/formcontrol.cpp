#include "formcontrol.h"

#include "viewdocument.h"

// Not yet done.
void TFormControl::Reset() {}
void TFormControl::Measure(const TViewDocument &, ViewHost &) {}
void TFormControl::Draw(const TViewDocument &, ViewHost &, int, int) const {}
QStringList TFormControl::Submission() const { return {}; }
