#pragma once

#include <QMainWindow>

// The program's main window. It owns the page and leads the user through the stages.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget *parent = nullptr);

    // "Zorvin Express - " and the document's file name, or "Untitled".
    void setCaption(const QString &fileName);

private:
    void buildMenus();
};
