#pragma once

#include "viewhost.h"

#include <QString>
#include <QStringList>

class TPageForm;
class TViewDocument;

enum class TFormControlKind : uint8_t {
    Hidden,
    Edit,   // text and password
    Button, // submit and reset
    Radio,
    CheckBox,
    ListBox, // SELECT with SIZE above 1 or MULTIPLE
    Combo,   // SELECT shown as a drop-down
    TextArea,
};

// One control of a form. The model places and draws it; the viewer widget may lay a real control
// over the rectangle the layout gives it.
class TFormControl {
public:
    TFormControlKind Kind = TFormControlKind::Edit;
    TPageForm *Form = nullptr;
    QString Name;
    QString Value;        // the initial value (edit, button caption, check box value)
    QString CurrentValue; // what the control holds now
    bool Password = false;
    bool Submit = false;  // a button that submits its form (not a reset button)
    bool Checked = false; // initial state of radio and check box
    bool CurrentChecked = false;
    int Size = 0; // SIZE: characters of an edit, rows of a list box
    int MaxLength = 0;
    int Cols = 20; // TEXTAREA COLS
    int Rows = 2;  // TEXTAREA ROWS
    bool Multiple = false;
    QStringList Options;      // SELECT texts
    QStringList OptionValues; // SELECT values (empty entry: the text is the value)
    QList<bool> OptionSelected;
    QList<bool> CurrentSelected;
    QStringList Lines; // TEXTAREA content

    int Pos = 0; // index of its placeholder in the section's text
    // Set by layout, in document coordinates.
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    // Cleared when the document scrolls, set when the control is painted.
    mutable bool Shown = false;

    // Restores the initial value, check state or selection.
    void Reset();
    // Measures the control with the document's default font.
    void Measure(const TViewDocument &doc, ViewHost &host);
    void Draw(const TViewDocument &doc, ViewHost &host, int dx, int dy) const;
    // "name=value" lines this control adds to a submission (none for unchecked boxes and hidden
    // names that are empty).
    QStringList Submission() const;
};
