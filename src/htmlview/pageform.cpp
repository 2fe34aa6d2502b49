#include "pageform.h"

#include "formcontrol.h"

void TPageForm::ResetControls()
{
    for (TFormControl *c : Controls)
        c->Reset();
}

QStringList TPageForm::Results() const
{
    QStringList lines;
    for (const TFormControl *c : Controls)
        lines += c->Submission();
    return lines;
}
