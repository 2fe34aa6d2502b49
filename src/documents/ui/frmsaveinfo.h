#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The File Save Information dialog, shown before a document is first saved: it suggests the
// name "Index" for a first page and offers not to be shown again.
class TfrmSaveInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSaveInfo(QWidget *parent = nullptr);

private:
    void btnJoyClick();

    QLabel *m_lblLink = nullptr;
    QCheckBox *m_chkShow = nullptr;
    QPushButton *m_btnJoy = nullptr;
};
