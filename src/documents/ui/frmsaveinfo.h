#pragma once

#include "prompts.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The File Save Information dialog, shown before a document is first saved: it suggests the
// name "Index" for a first page and offers not to be shown again. Whoever shows it stores that
// choice; the dialog only reports it.
class TfrmSaveInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSaveInfo(QWidget *parent = nullptr);

    // Ok with the box's tick once OK was pressed; Cancel, unticked, when the dialog was closed
    // any other way.
    TNoticeAnswer answer() const { return m_answer; }

private:
    void btnJoyClick();

    QLabel *m_lblLink = nullptr;
    QCheckBox *m_chkShow = nullptr;
    QPushButton *m_btnJoy = nullptr;
    TNoticeAnswer m_answer;
};
