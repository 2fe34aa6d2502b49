// Opens the style wizard over a throw-away program folder holding a few styles, so that its
// pages can be looked at and tried out without touching a real "Styles.data".
//
//   stylewiz_demo [welcome|details|list|delete]
//
// The argument names the page the wizard is walked to before it is shown.

#include "frmstylewiz.h"
#include "stylesfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

TStyleList sampleStyles()
{
    TStyleChunk ocean;
    ocean.StyleName = "Ocean Breeze";
    ocean.BackColour = 0x00F0E0C0;
    ocean.DocColour = 0x00603000;
    ocean.StandardColour = 0x00C06000;
    TStyleChunk sunny;
    sunny.StyleName = "Sunny Day";
    sunny.BackColour = 0x00C0F0FF;
    sunny.DocColour = 0x00004080;
    sunny.ActiveColour = 0x000080FF;
    TStyleChunk night;
    night.StyleName = "Night Sky";
    night.BackColour = 0x00400000;
    night.DocColour = 0x00FFFFFF;
    night.StandardColour = 0x0000FFFF;
    night.VisitedColour = 0x00FFC0C0;
    return {ocean, sunny, night};
}

void press(TfrmStyleWiz &wizard, const char *name)
{
    if (auto *button = wizard.findChild<QAbstractButton *>(QString::fromLatin1(name)))
        button->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString htmlFolder = folder.filePath(QStringLiteral("HTMLFiles"));
    QDir().mkpath(htmlFolder + QStringLiteral("/backgrnd"));
    WriteStylesToFile(StylesFilePath(folder.path()), sampleStyles());

    TfrmStyleWiz wizard(folder.path(), htmlFolder);
    const QString page = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    auto *list = wizard.findChild<QListWidget *>(QStringLiteral("lstStyles"));
    if (page == QLatin1String("details")) {
        press(wizard, "radModify");
        press(wizard, "NextButt");
        list->setCurrentRow(2);
        press(wizard, "NextButt");
    } else if (page == QLatin1String("list")) {
        press(wizard, "radModify");
        press(wizard, "NextButt");
        list->setCurrentRow(1);
    } else if (page == QLatin1String("delete")) {
        press(wizard, "radDelete");
        press(wizard, "NextButt");
        list->setCurrentRow(0);
    }
    return wizard.exec() == QDialog::Accepted ? 0 : 1;
}
