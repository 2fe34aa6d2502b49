#pragma once

#include <QWidget>

class QLabel;
class QRadioButton;

// The style wizard's first page: the wizard's picture, what a style is, and the choice between
// adding, modifying and deleting styles. The form drives the controls; the page only lays them out.
class TStyleWizWelcomePage : public QWidget {
    Q_OBJECT
public:
    explicit TStyleWizWelcomePage(QWidget *parent = nullptr);

    QLabel *imgWizard = nullptr;
    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QLabel *lbl4 = nullptr;
    QRadioButton *radAdd = nullptr;
    QRadioButton *radModify = nullptr;
    QRadioButton *radDelete = nullptr;
};
