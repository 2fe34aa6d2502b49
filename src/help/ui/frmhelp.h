#pragma once

#include <QString>
#include <QWidget>

class QToolButton;
class TPageViewer;

// The help window: the contents page and full topics in the program's own viewer, with buttons
// for the contents and for going back and forward through the pages read. It stays open beside
// the program and is reused for every topic.
class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    // helpFolder holds the topic pages and ends with a separator.
    explicit TfrmHelp(const QString &helpFolder, QWidget *parent = nullptr);

    void ShowContents();
    void ShowTopic(int topic);
    // Shows a page of the help folder given by its full path, as a link in a pop-up names it.
    void ShowPage(const QString &file);

    TPageViewer *viewer() const { return m_ctlHelp; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showFile(const QString &file);
    void updateButtons();

    QString m_helpFolder;
    TPageViewer *m_ctlHelp = nullptr;
    QToolButton *m_btnContents = nullptr;
    QToolButton *m_btnBack = nullptr;
    QToolButton *m_btnForward = nullptr;
};
