#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;
class QRadioButton;

// What makes one wizard's welcome page its own.
struct TWizardWelcomeTexts {
    QPixmap Picture;
    double HeadingScale = 1.0; // the first text's size against the others'
    int Heading = -1;          // numbered texts of lbl1 to lbl3, and of lbl4 below the choices
    int Explanation = -1;
    int Hint = -1;
    int Footnote = -1; // none when negative
    // The three choices: their object names and numbered texts, add first.
    QString AddName, ModifyName, DeleteName;
    int Add = -1, Modify = -1, Delete = -1;
};

// A wizard's first page: the wizard's picture, what it is about, and the choice between adding,
// modifying and deleting entries (adding is chosen at first). The wizard drives the controls; the
// page only lays them out.
class TWizardWelcomePage : public QWidget {
    Q_OBJECT
public:
    TWizardWelcomePage(const TWizardWelcomeTexts &texts, QWidget *parent = nullptr);

    QLabel *imgWizard = nullptr;
    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QLabel *lbl4 = nullptr; // nullptr without a footnote
    QRadioButton *radAdd = nullptr;
    QRadioButton *radModify = nullptr;
    QRadioButton *radDelete = nullptr;
};
