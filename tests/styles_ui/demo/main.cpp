// Opens the style wizard over a throw-away copy of the shipped program folder, so that its
// pages can be looked at and tried out without touching a real "Styles.data".
//
//   stylewiz_demo [welcome|details|list|delete]
//
// The argument names the page the wizard is walked to before it is shown.

#include "folders.h"
#include "frmstylewiz.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

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
    CopyMissingFiles(QStringLiteral(ZV_SOURCE_ROOT "/data"), folder.path());
    const QString htmlFolder = folder.filePath(QStringLiteral("HTMLFiles"));

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
