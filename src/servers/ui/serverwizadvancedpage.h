#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The server wizard's advanced page: the remote folder, the web address and whether folders are
// created on the server. The form drives the controls and greys the group out for definitions
// that fix these details.
class TServerWizAdvancedPage : public QWidget {
    Q_OBJECT
public:
    explicit TServerWizAdvancedPage(QWidget *parent = nullptr);

    // Enables or disables the group and every field in it.
    void setDetailsEnabled(bool enabled);

    QGroupBox *grpAdvanced = nullptr;
    QLabel *lblDir = nullptr;
    QLineEdit *txtDirectory = nullptr;
    QLabel *lblURL = nullptr;
    QLineEdit *txtURL = nullptr;
    QCheckBox *chkDir = nullptr;
};
