// The program as a user leaves it when the power goes: a main window whose page has unsaved
// edits. It says "kept" once the recovery copy of the edits is on disk and then waits to be
// killed. The program folder and settings come from the environment the test gives it.
#include "folders.h"
#include "frmmain.h"
#include "helpers.h"
#include "recoverykeeper.h"
#include "scriptedprompts.h"
#include "zorvinreg.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TZorvinReg::createProductKey();
    ScriptedPrompts prompts;
    TfrmMain window{QString()};
    window.show();

    TPage &page = window.page();
    page.setPageTitle("Lost and found");
    page.appendChunk(MakeWebChunk(TBlockHeading{"2 (Larger)", "Our holiday", baCenter, 1}));
    page.appendChunk(MakeWebChunk(TBlockPara{"Three weeks by the sea.", baLeft, 1}));
    page.setPageModified(true);

    const QString copy = TRecoveryKeeper::copyPath(PathJoin(ProgramFolder(), QStringLiteral("recovery")));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QFile::exists(copy)) {
            std::puts("kept");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(50);
    return QApplication::exec();
}
