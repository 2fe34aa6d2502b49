#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TFormControl;

// A FORM: where it goes, how, and its controls (owned by the sections that show them).
class TPageForm {
public:
    QString Method;
    QString Action;
    std::vector<TFormControl *> Controls;

    void ResetControls();
    // One line per control: its name, "=" and its value.
    QStringList Results() const;
};
