#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QStackedWidget;
class TPageViewer;

// The About box: the program's picture and version, and on request the libraries the program is
// built on with their licences, shown in place of the picture so the box keeps its size.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 370;
    static constexpr int kHeight = 230;

    explicit TfrmAbout(QWidget *parent = nullptr);

    // The libraries page, one table row per library: name, what it does here, licence.
    static QStringList LibrariesPage();
    bool ShowingLibraries() const;

private:
    void btnLibrariesClick();

    QStackedWidget *m_pages = nullptr;
    TPageViewer *m_ctlLibraries = nullptr;
    QPushButton *m_btnLibraries = nullptr;
};
