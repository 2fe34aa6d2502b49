#pragma once

#include <QWidget>

class QLabel;
class QRadioButton;

// The server wizard's first page: the wizard's picture, what a server is, and the choice between
// adding, modifying and deleting servers. The form drives the controls; the page only lays them out.
class TServerWizWelcomePage : public QWidget {
    Q_OBJECT
public:
    explicit TServerWizWelcomePage(QWidget *parent = nullptr);

    QLabel *imgWizard = nullptr;
    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // add
    QRadioButton *RadioButton2 = nullptr; // modify
    QRadioButton *RadioButton3 = nullptr; // delete
};
