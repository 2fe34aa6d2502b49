#pragma once

#include "prompts.h"

#include <QDialog>

class QCheckBox;

// The HTML Change Alert, shown before the first hand edit of the page's HTML: such edits show
// in the page but are lost when the user goes back to building. Its check box asks to turn the
// alert off for good, whichever button is pressed; whoever shows the alert stores that.
class TfrmHTMLWarn : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHTMLWarn(QWidget *parent = nullptr);

    // No until a button says otherwise, so closing the dialog any other way counts as No; the
    // box's tick once a button was pressed.
    TNoticeAnswer answer() const { return m_answer; }

private:
    void butYesClick();
    void butNoClick();
    void finish(TMsgResult result);

    QCheckBox *m_chkHTML = nullptr;
    TNoticeAnswer m_answer{TMsgResult::No, false};
};
