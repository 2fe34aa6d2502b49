#include "artpicture.h"
#include "mainwindowfixture.h"
#include "privatebus.h"
#include "proeditorlink.h"
#include "stringtable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {

// One private session bus for the whole program, in place before the window first looks at the
// session bus; each test starts the stand-in editor on it as it needs.
TPrivateBus *g_bus = nullptr;

class PrivateSessionBus : public ::testing::Environment {
public:
    void SetUp() override
    {
        g_bus = new TPrivateBus;
        ASSERT_TRUE(g_bus->isRunning());
        qputenv("DBUS_SESSION_BUS_ADDRESS", g_bus->address().toLocal8Bit());
    }
    void TearDown() override
    {
        delete g_bus;
        g_bus = nullptr;
    }
};

const auto *const g_environment = ::testing::AddGlobalTestEnvironment(new PrivateSessionBus);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class HandOver : public MainWindowFixture {
public:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(editorHome.isValid());
        appPath = editorHome.path() + QStringLiteral("/");
        // The logo's button, which every export copies while the logo is on.
        QFile button(home + QStringLiteral("HTMLFiles/graphics/button.gif"));
        ASSERT_TRUE(button.open(QIODevice::WriteOnly));
        button.write("GIF89a button");
    }

    void startEditor(TFakeEditor::TMode mode = TFakeEditor::TMode::Answer)
    {
        editor =
            std::make_unique<TFakeEditor>(QStringLiteral(FAKEEDITOR_PATH), g_bus->address(), mode, appPath);
        ASSERT_TRUE(editor->isReady());
    }

    // A page with one paragraph, saved as save/name.zve so that the send button goes ahead.
    void buildAndSave(const char *name)
    {
        clickToolbar(150);
        window->page().appendChunk(TWebChunk{TBlockPara{"Hello there"}, {}});
        prompts.chooseFile(home + QStringLiteral("save/") + QLatin1String(name) + QStringLiteral(".zve"));
        ASSERT_TRUE(window->commands().FileSaveAs());
        prompts.clear();
    }

    QString report(const QString &target) const
    {
        return QStringLiteral("The HTML file ") + target +
               QStringLiteral(" has been created and can now be opened within Zorvin Professional.\r\n"
                              "Any related images have been copied to the ") +
               appPath + QStringLiteral("HTMLFiles/Graphics directory.");
    }

    QTemporaryDir editorHome;
    QString appPath;
    std::unique_ptr<TFakeEditor> editor;
};

TEST_F(HandOver, WithoutTheEditorTheSendButtonOpensTheSendStageEvenOnceItStarts)
{
    TfrmMain &w = open();
    EXPECT_EQ(find<TArtPicture>("picToolbar")->picture(), QStringLiteral("Toolbar"));
    buildAndSave("Plain");
    clickToolbar(450);
    EXPECT_EQ(w.CurrentStage(), stSend);

    // An editor started after the window was created is not looked for again.
    startEditor();
    clickToolbar(10);
    clickToolbar(450);
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_FALSE(QFileInfo::exists(appPath + QStringLiteral("HTMLFiles")));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(HandOver, TheSendButtonExportsToTheEditorAndGoesBackToChoosing)
{
    startEditor();
    TfrmMain &w = open();
    // Found at creation: its folders exist and the toolbar wears its artwork.
    EXPECT_TRUE(QFileInfo(appPath + QStringLiteral("HTMLFiles/Graphics")).isDir());
    EXPECT_TRUE(QFileInfo(appPath + QStringLiteral("HTMLFiles/backgrnd")).isDir());
    EXPECT_EQ(find<TArtPicture>("picToolbar")->picture(), QStringLiteral("ZV4Toolbar"));

    // An untitled page is saved first, then exported.
    clickToolbar(150);
    window->page().appendChunk(TWebChunk{TBlockPara{"Hello there"}, {}});
    prompts.chooseFile(home + QStringLiteral("save/Hello.zve"));
    clickToolbar(460);
    const QString target = appPath + QStringLiteral("HTMLFiles/Hello.html");
    ASSERT_EQ(prompts.messages(), (QStringList{LoadStr(100), report(target)}));
    EXPECT_EQ(prompts.asked().back().msgKind, TMsgKind::Information);
    const QByteArray exported = readAll(target);
    EXPECT_TRUE(exported.startsWith("<HTML>\r\n")) << exported.constData();
    EXPECT_TRUE(exported.contains("Hello there"));
    EXPECT_EQ(readAll(appPath + QStringLiteral("HTMLFiles/Graphics/Button.gif")), "GIF89a button");
    EXPECT_EQ(w.CurrentStage(), stChoose);
    EXPECT_EQ(find("picRedPill")->geometry(), QRect(0, 0, 146, 96));
    EXPECT_TRUE(w.isVisible());

    // Again: the earlier export is there; No writes nothing, shows no report, and still ends in
    // the choose stage.
    QFile::remove(target);
    QFile earlier(target);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    prompts.clear();
    clickToolbar(150);
    prompts.answer(TMsgResult::No);
    clickToolbar(460);
    ASSERT_EQ(prompts.messages(),
              QStringList{QStringLiteral("The HTML file ") + target +
                          QStringLiteral(" already exists. Do you wish to overwrite it?")});
    EXPECT_EQ(prompts.asked().front().msgKind, TMsgKind::Warning);
    EXPECT_EQ(prompts.asked().front().buttons, TMsgButtons::YesNo);
    EXPECT_EQ(readAll(target), "earlier");
    EXPECT_EQ(w.CurrentStage(), stChoose);

    // Yes replaces it.
    prompts.clear();
    clickToolbar(150);
    prompts.answer(TMsgResult::Yes);
    clickToolbar(460);
    EXPECT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(readAll(target), exported);
}

TEST_F(HandOver, AnEditorThatStopsAnsweringIsReportedAndTheWindowCloses)
{
    const int saved = TProEditorLink::callTimeout();
    TProEditorLink::setCallTimeout(300);
    startEditor(TFakeEditor::TMode::Silent);
    TfrmMain &w = open();
    // It owned its name at creation, so the window is aware of it even though it never answers.
    EXPECT_EQ(find<TArtPicture>("picToolbar")->picture(), QStringLiteral("ZV4Toolbar"));
    buildAndSave("Silent");

    QElapsedTimer clock;
    clock.start();
    clickToolbar(460);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_EQ(prompts.messages(), QStringList{LoadStr(5084)});
    EXPECT_EQ(prompts.asked().back().msgKind, TMsgKind::Error);
    EXPECT_FALSE(w.isVisible());
    TProEditorLink::setCallTimeout(saved);
}

// Stands for a user who cancels the save question as the window closes.
class TKeepOpen : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

TEST_F(HandOver, AnUnwritableEditorFolderIsReportedAndAKeptWindowEntersTheSendStage)
{
    startEditor();
    TfrmMain &w = open();
    buildAndSave("Blocked");
    // The editor's page folder has become a file: the page cannot be written there.
    ASSERT_TRUE(QDir(appPath + QStringLiteral("HTMLFiles")).removeRecursively());
    QFile blocker(appPath + QStringLiteral("HTMLFiles"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TKeepOpen keepOpen;
    w.installEventFilter(&keepOpen);
    clickToolbar(460);
    w.removeEventFilter(&keepOpen);
    ASSERT_EQ(prompts.messages(), QStringList{LoadStr(5084)});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_TRUE(find("pnlSend")->isVisible());
    EXPECT_EQ(find<TArtPicture>("picRedPill")->picture(), QStringLiteral("ZV4Toolbutt4"));
}

} // namespace
