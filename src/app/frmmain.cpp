#include "frmmain.h"

#include "startup.h"
#include "stringtable.h"

#include <QMenuBar>

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    // Records the program path and settles the sound switch; the result is the Sounds item's check.
    ApplyStartupSettings();
    resize(640, 480);
    buildMenus();
    setCaption(LoadStr(33));
}

void TfrmMain::setCaption(const QString &fileName)
{
    setWindowTitle(QStringLiteral("Zorvin Express - ") + fileName);
}

void TfrmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(LoadStr(5061));
    file->setObjectName(QStringLiteral("mnuFile"));
    for (int id = 5062; id <= 5069; ++id)
        file->addAction(LoadStr(id));
    QMenu *help = menuBar()->addMenu(LoadStr(5070));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(LoadStr(5071));
    help->addAction(LoadStr(5072));
}
