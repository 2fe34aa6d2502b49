#include "builderdocument.h"
#include "mainwindowfixture.h"
#include "stringtable.h"
#include "stylecatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>

namespace {

class DocumentCommands : public MainWindowFixture {
public:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        open();
    }

    static TWebChunk para(const QByteArray &text)
    {
        TWebChunk chunk;
        chunk.Record = TBlockPara{};
        chunk.Para()->Text = text;
        return chunk;
    }
    static TWebChunk email(const QByteArray &address, const QByteArray &linkText)
    {
        TWebChunk chunk;
        chunk.Record = TBlockEmail{};
        chunk.Email()->Address = address;
        chunk.Email()->LinkText = linkText;
        return chunk;
    }

    // Puts blocks on the page the way the build stage does: the page becomes modified.
    void edit(const TWebChunkList &chunks)
    {
        window->page().setChunks(chunks);
        window->page().setPageModified(true);
    }

    QString writeDocument(const QString &name, const TWebChunkList &chunks,
                          const QByteArray &style = "[None]")
    {
        const QString path = home + name;
        EXPECT_TRUE(WriteDocument(path, style, "Stored title", chunks));
        return path;
    }

    // The blocks as a document stores them: the generated HTML is not part of it.
    static TWebChunkList stored(TWebChunkList chunks)
    {
        for (TWebChunk &chunk : chunks)
            chunk.HTML.clear();
        return chunks;
    }

    QListWidget *styles() const { return find<QListWidget>("lstStyles"); }
    // Two styles in the program's style list; the list box shows them after "[None]".
    void addStyles()
    {
        TStyleChunk ocean;
        ocean.StyleName = "Ocean";
        TStyleChunk forest;
        forest.StyleName = "Forest";
        forest.BackColour = 0x00008000;
        window->styles().setStyles({ocean, forest});
    }
    // The style of a list entry chosen by the program, as a loader does.
    void selectStyle(int item) { window->page().setStyle(window->styles().styleOfItem(item)); }
};

TEST_F(DocumentCommands, NewAfterYesAndACancelledSaveAsKeepsThePage)
{
    edit({para("old")});
    prompts.answer(TMsgResult::Yes);
    prompts.cancelFile();
    trigger("mnuFileNew");
    ASSERT_EQ(window->page().WebChunks().size(), 1u);
    EXPECT_EQ(window->page().WebChunks()[0].Para()->Text, QByteArray("old"));
    EXPECT_TRUE(window->page().PageModified());

    // Once saved, New goes on.
    const QString path = home + QStringLiteral("save/Kept.zve");
    prompts.answer(TMsgResult::Yes);
    prompts.chooseFile(path);
    trigger("mnuFileNew");
    EXPECT_EQ(ReadDocument(path).Chunks.size(), 1u);
    EXPECT_TRUE(window->page().WebChunks().empty());
    EXPECT_FALSE(window->page().PageModified());
    EXPECT_EQ(window->page().PageTitle(), LoadStrBytes(104));
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvin Express - Untitled"));
}

TEST_F(DocumentCommands, NewCancelledKeepsEverything)
{
    edit({para("old")});
    prompts.answer(TMsgResult::Cancel);
    trigger("mnuFileNew");
    EXPECT_EQ(window->page().WebChunks().size(), 1u);
    EXPECT_TRUE(window->page().PageModified());
    EXPECT_EQ(window->CurrentStage(), stChoose);
}

TEST_F(DocumentCommands, NewOnAnUnchangedPageAsksNothingAndResetsTheStyle)
{
    addStyles();
    selectStyle(2);
    ASSERT_EQ(styles()->currentRow(), 2);
    trigger("mnuFileNew");
    EXPECT_TRUE(prompts.asked().isEmpty());
    EXPECT_EQ(styles()->currentRow(), 0);
    EXPECT_FALSE(window->page().style().has_value());
}

TEST_F(DocumentCommands, OpenRoundTripsWhatSaveWrote)
{
    addStyles();
    selectStyle(1);
    edit({email("me@example.com", "write to me"), para("text")});
    window->page().setPageTitle("Round trip");
    const QString path = home + QStringLiteral("save/Trip.zve");
    prompts.chooseFile(path);
    trigger("menFileSaveAs");
    ASSERT_TRUE(QFileInfo::exists(path));
    const TWebChunkList saved = stored(window->page().WebChunks());

    trigger("mnuFileNew");
    ASSERT_TRUE(window->page().WebChunks().empty());
    prompts.chooseFile(path, 0);
    trigger("menFileOpen");
    EXPECT_EQ(window->document().DocFileName(), path);
    EXPECT_EQ(stored(window->page().WebChunks()), saved);
    EXPECT_EQ(window->page().PageTitle(), QByteArray("Round trip"));
    EXPECT_EQ(styles()->currentRow(), 1);
    EXPECT_EQ(window->page().StyleName(), QByteArray("Ocean"));
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_FALSE(window->page().PageModified());

    const ScriptedPrompts::Asked &dialog = prompts.asked().last();
    EXPECT_EQ(dialog.kind, ScriptedPrompts::Asked::OpenFile);
    EXPECT_EQ(QDir(dialog.request.folder), QDir(home + QStringLiteral("save")));
    EXPECT_EQ(dialog.request.filter,
              QStringLiteral("Zorvin Express Files (*.zve);;Zorvin Express Template (*.zvt)"));
}

TEST_F(DocumentCommands, TheOpenFilterDecidesTheLoader)
{
    const QString templ = writeDocument(QStringLiteral("template/Shop.zvt"), {para("shop")});
    // The first filter makes even a template the current document; Save then overwrites it.
    prompts.chooseFile(templ, 0);
    trigger("menFileOpen");
    EXPECT_EQ(window->document().DocFileName(), templ);
    window->page().appendChunk(para("added"));
    trigger("menFileSave");
    EXPECT_EQ(ReadDocument(templ).Chunks.size(), 2u);

    // The second filter opens it as a new untitled page.
    prompts.chooseFile(templ, 1);
    trigger("menFileOpen");
    EXPECT_TRUE(window->document().DocFileName().isEmpty());
    EXPECT_EQ(window->page().WebChunks().size(), 2u);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvin Express - Untitled"));
}

TEST_F(DocumentCommands, ADamagedDocumentKeepsTheBlocksBeforeTheDamage)
{
    const QString path =
        writeDocument(QStringLiteral("save/Torn.zve"), {para("one"), para("two"), para("three")});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    // Cut the file inside the third block's text.
    ASSERT_TRUE(file.resize(bytes.indexOf("three") + 2));
    file.close();

    prompts.chooseFile(path, 0);
    trigger("menFileOpen");
    ASSERT_EQ(window->page().WebChunks().size(), 2u);
    EXPECT_EQ(window->page().WebChunks()[1].Para()->Text, QByteArray("two"));
    EXPECT_EQ(window->CurrentStage(), stBuild);
    // Regression: the damage went unmentioned and the file stayed the current document, so the
    // next Save overwrote it with the shorter page.
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.asked().last().msgKind, TMsgKind::Warning);
    EXPECT_TRUE(prompts.messages().last().contains(QStringLiteral("Only 2 of its 3 Web Blocks")))
        << prompts.messages().last().toStdString();
    EXPECT_TRUE(window->document().DocFileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvin Express - Untitled"));
    const QByteArray damaged = bytes.left(bytes.indexOf("three") + 2);
    prompts.cancelFile();
    trigger("menFileSave");
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveFile), 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    file.close();

    // The loading guards were released: the window still switches stages and takes edits.
    clickToolbar(300);
    EXPECT_EQ(window->CurrentStage(), stPreview);

    // And the next document opens whole.
    const QString good = writeDocument(QStringLiteral("save/Good.zve"), {para("a"), para("b"), para("c")});
    prompts.chooseFile(good, 0);
    trigger("menFileOpen");
    EXPECT_EQ(window->page().WebChunks().size(), 3u);
}

TEST_F(DocumentCommands, AFileThatIsNoDocumentIsReportedAndNeverOverwritten)
{
    const QString path = home + QStringLiteral("save/Notes.zve");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("my shopping list");
    file.close();

    prompts.chooseFile(path, 0);
    trigger("menFileOpen");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.asked().last().msgKind, TMsgKind::Error);
    EXPECT_TRUE(window->document().DocFileName().isEmpty());
    EXPECT_TRUE(window->page().WebChunks().empty());

    // Save therefore asks for a name instead of writing over the file.
    prompts.cancelFile();
    trigger("menFileSave");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("my shopping list"));
}

TEST_F(DocumentCommands, CancellingTheQuestionOfATemplateKeepsThePageButResetsTheStyle)
{
    addStyles();
    selectStyle(2);
    edit({para("mine")});
    const QString templ = writeDocument(QStringLiteral("template/T.zvt"), {para("t")});
    prompts.chooseFile(templ, 1);
    prompts.answer(TMsgResult::Cancel);
    trigger("menFileOpen");
    EXPECT_EQ(window->page().WebChunks()[0].Para()->Text, QByteArray("mine"));
    EXPECT_EQ(styles()->currentRow(), 0);
    EXPECT_EQ(window->CurrentStage(), stChoose);
}

TEST_F(DocumentCommands, SaveWritesWithoutAskingOnceTheDocumentHasAFile)
{
    const QString path = home + QStringLiteral("save/Mine.zve");
    edit({para("x")});
    prompts.chooseFile(path);
    trigger("menFileSave");
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[0].kind, ScriptedPrompts::Asked::SaveInformation);
    EXPECT_EQ(QDir(prompts.asked()[1].request.folder), QDir(home + QStringLiteral("save")));
    EXPECT_TRUE(prompts.asked()[1].request.fileName.isEmpty());
    EXPECT_EQ(prompts.asked()[1].request.defaultSuffix, QStringLiteral("zve"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvin Express - Mine.zve"));
    EXPECT_FALSE(window->page().PageModified());

    edit({para("x"), para("y")});
    trigger("menFileSave");
    EXPECT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(ReadDocument(path).Chunks.size(), 2u);

    // A document whose file has gone is saved like an untitled one.
    QFile::remove(path);
    prompts.cancelFile();
    trigger("menFileSave");
    EXPECT_EQ(prompts.asked().size(), 4);
    EXPECT_EQ(prompts.asked()[3].kind, ScriptedPrompts::Asked::SaveFile);
}

TEST_F(DocumentCommands, SavingChangesBeforeSendingOffersTheDocumentWhereItLives)
{
    const QString templ = writeDocument(QStringLiteral("template/Shop.zvt"), {para("shop")});
    prompts.chooseFile(templ, 0);
    trigger("menFileOpen");
    edit({para("shop"), para("more")});
    prompts.clear();
    // Regression: the dialog offered only "Shop.zvt" in "save", so the template was saved as a
    // stray copy there that the gallery never lists.
    prompts.answer(TMsgResult::Ok);
    prompts.chooseFile(templ);
    EXPECT_TRUE(window->commands().SaveDocument());
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[1].request.fileName, templ);
    EXPECT_EQ(ReadDocument(templ).Chunks.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("save/Shop.zvt")));
}

TEST_F(DocumentCommands, SaveAsOffersTheCurrentNameInItsFolderAndWritesThePageFile)
{
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("elsewhere")));
    const QString first = home + QStringLiteral("elsewhere/Shop.zve");
    prompts.chooseFile(first);
    trigger("menFileSaveAs");
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("HTMLFiles/Shop.html")));

    prompts.chooseFile(home + QStringLiteral("save/Shop2.zve"));
    trigger("menFileSaveAs");
    const TFileRequest &request = prompts.asked().last().request;
    EXPECT_EQ(request.fileName, QStringLiteral("Shop.zve"));
    EXPECT_EQ(QDir(request.folder), QDir(home + QStringLiteral("elsewhere")));
    EXPECT_EQ(request.filter, QStringLiteral("Zorvin Express Files (*.zve)"));
    EXPECT_EQ(window->document().DocFileName(), home + QStringLiteral("save/Shop2.zve"));
}

TEST_F(DocumentCommands, MakeTemplateMakesTheTemplateTheCurrentDocument)
{
    edit({para("for later")});
    const QString path = home + QStringLiteral("template/Later.zvt");
    prompts.chooseFile(path);
    trigger("menFileMake");
    const TFileRequest &request = prompts.asked().last().request;
    EXPECT_EQ(QDir(request.folder), QDir(home + QStringLiteral("template")));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("zvt"));
    EXPECT_EQ(request.filter, QStringLiteral("Zorvin Express Template (*.zvt)"));
    EXPECT_EQ(window->document().DocFileName(), path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvin Express - Later.zvt"));
    EXPECT_FALSE(window->page().PageModified());
    EXPECT_EQ(ReadDocument(path).Chunks.size(), 1u);

    prompts.cancelFile();
    trigger("menFileMake");
    EXPECT_EQ(window->document().DocFileName(), path);
}

TEST_F(DocumentCommands, AFailedSaveIsReportedAndKeepsTheDocumentAsItWas)
{
    edit({para("precious")});
    prompts.chooseFile(home + QStringLiteral("no/such/folder/Lost.zve"));
    trigger("menFileSaveAs");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.asked().last().msgKind, TMsgKind::Error);
    EXPECT_TRUE(window->document().DocFileName().isEmpty());
    EXPECT_TRUE(window->page().PageModified());

    // Nor may the send stage be entered on the strength of a save that did not happen.
    prompts.chooseFile(home + QStringLiteral("no/such/folder/Lost.zve"));
    clickToolbar(450);
    EXPECT_NE(window->CurrentStage(), stSend);
}

} // namespace
