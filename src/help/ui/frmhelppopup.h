#pragma once

#include <QFrame>
#include <QString>

class TPageViewer;

// A small window that shows one topic beside the control it explains. It closes on the next click
// outside it or on Escape; a link in it opens its page in the help window (pageRequested).
class TfrmHelpPopup : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;
    static constexpr int kMaxHeight = 320;

    explicit TfrmHelpPopup(const QString &helpFolder, QWidget *parent = nullptr);

    // Shows the topic with its top left corner near globalPosition, kept on the screen.
    void ShowTopic(int topic, QPoint globalPosition);
    int Topic() const { return m_topic; }
    TPageViewer *viewer() const { return m_ctlPopup; }

signals:
    void pageRequested(const QString &file);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_helpFolder;
    TPageViewer *m_ctlPopup = nullptr;
    int m_topic = 0;
};
