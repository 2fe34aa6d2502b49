#include "mainwindowfixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

using ExportPageFolder = MainWindowFixture;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST_F(ExportPageFolder, WritesThePageAndAsksBeforeReplacingIt)
{
    TfrmMain &w = open();
    w.page().appendChunk(TWebChunk{TBlockPara{"Hello folder"}, {}});
    w.page().setLogo(TLogoOption::Off);
    const QString folder = home + QStringLiteral("site");

    // Cancelling the folder dialog does nothing more.
    prompts.cancelFile();
    trigger("menFileExportFolder");
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked().front().kind, ScriptedPrompts::Asked::ChooseFolder);
    EXPECT_FALSE(QFileInfo::exists(folder));

    prompts.clear();
    prompts.chooseFile(folder);
    trigger("menFileExportFolder");
    const QString page = folder + QStringLiteral("/index.html");
    EXPECT_TRUE(readAll(page).contains("Hello folder"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().front().contains(QStringLiteral("\r\n    index.html")));
    EXPECT_EQ(prompts.asked().back().msgKind, TMsgKind::Information);

    // A second export into the same folder asks first; No leaves the files as they are.
    QFile old(page);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("hand-made");
    old.close();
    prompts.clear();
    prompts.chooseFile(folder);
    prompts.answer(TMsgResult::No);
    trigger("menFileExportFolder");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.asked().back().buttons, TMsgButtons::YesNo);
    EXPECT_TRUE(prompts.messages().front().contains(QStringLiteral("\r\n    index.html\r\n")));
    EXPECT_EQ(readAll(page), "hand-made");

    prompts.clear();
    prompts.chooseFile(folder);
    prompts.answer(TMsgResult::Yes);
    trigger("menFileExportFolder");
    EXPECT_TRUE(readAll(page).contains("Hello folder"));
    EXPECT_EQ(prompts.messages().size(), 2);
}

} // namespace
