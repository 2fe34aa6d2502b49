#pragma once

#include "prompts.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class TJoyFireworks;

// "Upload Successful": congratulates the user after a page went up, with fireworks going off
// beside the text, and offers not to be shown again. Whoever shows it stores that choice; the
// dialog only reports it.
class TfrmJoy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmJoy(QWidget *parent = nullptr);

    // Ok, with the tick of the check box when the OK button closed the dialog.
    TNoticeAnswer answer() const { return m_answer; }
    // The fireworks frame shown last: 1 to 10; 0 before the first and once the last (11) was shown.
    int JoyFrame() const { return m_joyFrame; }

    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QLabel *lbl4 = nullptr;
    QCheckBox *chkJoy = nullptr;
    QPushButton *btnJoy = nullptr;

private:
    void FormCreate();
    void timAnimationTimer();
    void btnJoyClick();

    TJoyFireworks *imgJoy = nullptr;
    QTimer *timAnimation = nullptr;
    int m_joyFrame = 0;
    TNoticeAnswer m_answer{TMsgResult::Ok, false};
};
