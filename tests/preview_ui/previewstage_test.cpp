#include "folders.h"
#include "layoutdump.h"
#include "previewfixture.h"
#include "stringtable.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {

using PreviewStage = PreviewFixture;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST_F(PreviewStage, EnteringFromBuildGeneratesFromSendKeepsAndBuildThrowsHandEditsAway)
{
    open();
    addBlocks();
    toStage(stBuild);
    toStage(stPreview);
    const QByteArray generated = html();
    EXPECT_EQ(memHTML()->bytes(), generated);
    EXPECT_TRUE(generated.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>"));
    EXPECT_TRUE(generated.contains("Centre me"));
    EXPECT_TRUE(generated.endsWith("</BODY>\r\n</HTML>\r\n"));
    EXPECT_EQ(find<QTabWidget>("pagePreview")->currentWidget(), find("tabWebView"));

    // A hand edit, then on to the send stage through Save As and back: the edit survives.
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    prompts.answerHTMLChangeAlert(TMsgResult::Yes);
    typeIntoHTML(QStringLiteral("<!-- mine -->"));
    EXPECT_TRUE(html().contains("<!-- mine -->"));
    prompts.answer(TMsgResult::Ok);
    prompts.chooseFile(home + QStringLiteral("save/Index.zve"));
    toStage(stSend);
    ASSERT_EQ(window->CurrentStage(), stSend);
    // The page file holds the hand edit, byte for byte.
    EXPECT_EQ(fileBytes(home + QStringLiteral("HTMLFiles/Index.html")), html());
    toStage(stPreview);
    EXPECT_TRUE(html().contains("<!-- mine -->"));
    EXPECT_EQ(memHTML()->bytes(), html());

    // Going back to building asks first; No stays with the edit, Yes drops it.
    prompts.answer(TMsgResult::No);
    toStage(stBuild);
    EXPECT_EQ(window->CurrentStage(), stPreview);
    EXPECT_EQ(prompts.messages().last(), LoadStr(102));
    prompts.answer(TMsgResult::Yes);
    toStage(stBuild);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_FALSE(window->page().HTMLGenerated());
    EXPECT_TRUE(memHTML()->bytes().isEmpty());
    // The edits are gone, so coming back to building later asks nothing.
    toStage(stChoose);
    toStage(stBuild);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    toStage(stPreview);
    EXPECT_EQ(html(), generated);
    EXPECT_FALSE(window->page().HTMLHandEdited());
}

TEST_F(PreviewStage, TheViewerSeesParagraphsWhereTheHTMLTabKeepsDivs)
{
    open();
    addBlocks();
    toStage(stPreview);
    EXPECT_TRUE(html().contains("<DIV ALIGN=Center>"));
    // The preview file is the page HTML text itself.
    EXPECT_EQ(fileBytes(home + QStringLiteral("HTMLFiles/~tmpprvw.html")), html());

    // The link's line is centred in the viewer, which it would not be had the DIV reached it.
    const QByteArray dump = LayoutDump(viewer()->Document());
    const QList<QByteArray> lines = dump.split('\n');
    const auto centred = std::find_if(lines.begin(), lines.end(),
                                      [](const QByteArray &line) { return line.contains("Centre me"); });
    ASSERT_NE(centred, lines.end()) << dump.constData();
    const auto plain = std::find_if(lines.begin(), lines.end(),
                                    [](const QByteArray &line) { return line.contains("Hello there"); });
    ASSERT_NE(plain, lines.end());
    const auto xOf = [](const QByteArray &line) {
        const QByteArray field = line.simplified().split(' ').value(1);
        EXPECT_TRUE(field.startsWith("x=")) << line.constData();
        return field.mid(2).toInt();
    };
    EXPECT_GT(xOf(*centred), xOf(*plain) + 100) << dump.constData();
}

TEST_F(PreviewStage, TheAlertTakesTheEditBackOnNoAndAllowsEditsOnYes)
{
    open();
    addBlocks();
    toStage(stPreview);
    const QByteArray before = html();
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);

    prompts.answerHTMLChangeAlert(TMsgResult::No);
    typeIntoHTML(QStringLiteral("z"));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 1);
    EXPECT_EQ(html(), before);
    EXPECT_EQ(memHTML()->bytes(), before);
    EXPECT_FALSE(window->page().HTMLHandEdited());

    prompts.answerHTMLChangeAlert(TMsgResult::Yes);
    typeIntoHTML(QStringLiteral("abc"));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 2);
    EXPECT_TRUE(window->page().HTMLHandEdited());
    EXPECT_EQ(html(), QByteArray(before).insert(6, "abc"));
    EXPECT_EQ(memHTML()->bytes(), html());
    // Answering the alert stored nothing.
    EXPECT_NE(setting(QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));

    // Choosing a style regenerates the preview and so arms the alert again.
    clickStyle(0);
    EXPECT_FALSE(window->page().HTMLHandEdited());
    prompts.answerHTMLChangeAlert(TMsgResult::No);
    typeIntoHTML(QStringLiteral("y"));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 3);
}

TEST_F(PreviewStage, TheCheckBoxSwitchesTheAlertOffWhicheverButtonIsPressed)
{
    open();
    addBlocks();
    toStage(stPreview);
    const QByteArray before = html();
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    prompts.answerHTMLChangeAlert(TMsgResult::No, true);
    typeIntoHTML(QStringLiteral("q"));
    EXPECT_EQ(setting(QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));
    EXPECT_EQ(html(), before);

    // No alert any more; the edit stays and still counts as a hand edit.
    typeIntoHTML(QStringLiteral("w"));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 1);
    EXPECT_EQ(html(), QByteArray(before).insert(6, "w"));
    EXPECT_TRUE(window->page().HTMLHandEdited());

    // The switch stays off in later runs too, even after the preview showed the page anew.
    window.reset();
    open();
    addBlocks();
    toStage(stPreview);
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    typeIntoHTML(QStringLiteral("e"));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 1);
    EXPECT_TRUE(window->page().HTMLHandEdited());
}

TEST_F(PreviewStage, ChoosingAStyleRewritesOnlyTheBodyTag)
{
    writeStyles({style("Ocean", 0x00FF8000), style("Sand", 0x0080C0FF)});
    open();
    addBlocks();
    EXPECT_EQ(styles()->count(), 3);
    EXPECT_EQ(styles()->item(0)->text(), LoadStr(31));
    toStage(stPreview);
    window->page().setPageModified(false);
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    prompts.answerHTMLChangeAlert(TMsgResult::Yes);
    typeIntoHTML(QStringLiteral("<!-- kept -->"));
    const QByteArray edited = html();

    // Selecting by the program is no click of the user's and changes nothing but the list.
    window->page().setStyle(window->styles().styleOfItem(2));
    EXPECT_EQ(styles()->currentRow(), 2);
    EXPECT_EQ(html(), edited);
    EXPECT_FALSE(window->page().PageModified());
    clickStyle(1);
    ASSERT_EQ(styles()->currentRow(), 1);
    QByteArray expected = edited;
    expected.replace("<BODY>", "<BODY BGCOLOR=\"#0080FF\" TEXT=\"#000000\" LINK=\"#0000FF\" "
                               "ALINK=\"#FF0000\" VLINK=\"#FF00FF\">");
    EXPECT_EQ(html(), expected);
    EXPECT_EQ(memHTML()->bytes(), expected);
    EXPECT_EQ(window->page().StyleName(), QByteArray("Ocean"));
    EXPECT_TRUE(window->page().PageModified());
    EXPECT_TRUE(styles()->isEnabled());

    // "[None]" brings the plain body back; the rest stays as edited.
    clickStyle(0);
    EXPECT_EQ(html(), edited);
    EXPECT_FALSE(window->page().style().has_value());
}

TEST_F(PreviewStage, LongStyleNamesCanBeReadWhole)
{
    writeStyles(
        {style("Ocean Breeze at Dawn", 0x00FF8000), style("Sand", 0x0080C0FF), style("Forest", 0x00008000)});
    open();
    toStage(stPreview);
    QListWidget *list = styles();
    const QString name = QStringLiteral("Ocean Breeze at Dawn");
    // Regression: four entries were squeezed into six narrow columns and cut to "Ocean Bre...";
    // they now share the width between the two columns they fill.
    ASSERT_EQ(list->count(), 4);
    EXPECT_GE(list->gridSize().width(), list->contentsRect().width() / 2 - 1);
    EXPECT_GE(list->gridSize().width(), list->fontMetrics().horizontalAdvance(name));
    // And a name that does not fit all the same shows whole in its tooltip.
    EXPECT_EQ(list->item(1)->toolTip(), name);
    EXPECT_EQ(list->item(0)->toolTip(), LoadStr(31));
}

TEST_F(PreviewStage, AMissingOrDamagedStylesFileGivesNoneAndWhatCouldBeRead)
{
    open();
    EXPECT_EQ(styles()->count(), 1);
    window.reset();

    QByteArray damaged = StylesBytes({style("Kept", 0)});
    damaged[0] = 5; // five styles announced, one there
    QFile file(StylesFilePath(home));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    open();
    ASSERT_EQ(styles()->count(), 2);
    EXPECT_EQ(styles()->item(1)->text(), QStringLiteral("Kept"));
}

TEST_F(PreviewStage, EditStylesReloadsTheListAndKeepsOrDropsTheChosenStyle)
{
    writeStyles({style("Ocean", 0x00FF8000), style("Sand", 0x0080C0FF)});
    open();
    addBlocks();
    toStage(stPreview);
    clickStyle(2);
    ASSERT_TRUE(html().contains("BGCOLOR=\"#FFC080\""));

    // The wizard renames nothing but changes Sand's colour and puts it first.
    prompts.runStyleWizard([this] { writeStyles({style("SAND", 0x00000080), style("Ocean", 0x00FF8000)}); });
    QTest::mouseClick(find("btnEditStyle"), Qt::LeftButton);
    ASSERT_EQ(prompts.count(ScriptedPrompts::Asked::StyleWizard), 1);
    EXPECT_EQ(QDir(prompts.asked().last().text), QDir(home));
    EXPECT_EQ(styles()->currentRow(), 1);
    EXPECT_EQ(styles()->item(1)->text(), QStringLiteral("SAND"));
    EXPECT_TRUE(html().contains("BGCOLOR=\"#800000\""));

    // Deleting the chosen style leaves the page without one.
    prompts.runStyleWizard([this] { writeStyles({style("Ocean", 0x00FF8000)}); });
    QTest::mouseClick(find("btnEditStyle"), Qt::LeftButton);
    EXPECT_EQ(styles()->currentRow(), 0);
    EXPECT_EQ(styles()->count(), 2);
    EXPECT_TRUE(html().contains("\r\n<BODY>\r\n"));
    EXPECT_FALSE(window->page().style().has_value());
}

TEST_F(PreviewStage, TheTitleBoxRewritesTheTitleElementAndMarksThePageChanged)
{
    open();
    addBlocks();
    toStage(stPreview);
    window->page().setPageModified(false);
    auto *title = find<QLineEdit>("txtTitle");
    EXPECT_EQ(title->text(), LoadStr(104));
    title->selectAll();
    // Typed as the keyboard delivers text, which may be any character.
    for (const QChar ch : QString::fromUtf8("Caf\xC3\xA9 \xE4\xB8\xAD")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(title, &press);
    }
    EXPECT_EQ(window->page().PageTitle(), QByteArray("Caf\xE9 &#20013;"));
    EXPECT_TRUE(html().contains("<TITLE>Caf\xE9 &#20013;</TITLE>\r\n<META"));
    // The box keeps what was typed, as typed.
    EXPECT_EQ(title->text(), QString::fromUtf8("Caf\xC3\xA9 \xE4\xB8\xAD"));
    EXPECT_TRUE(window->page().PageModified());
    EXPECT_FALSE(window->page().HTMLHandEdited());
}

TEST_F(PreviewStage, TheHTMLTabKeepsEveryByteAndSavingWritesThem)
{
    open();
    addBlocks();
    toStage(stPreview);
    QByteArray odd = "<HTML>\r\n<BODY>\nlone\rCR \xA0\x81 &#x4E2D;\r\n";
    for (int b = 1; b < 256; ++b)
        odd.append(char(b));
    odd.append("</BODY>\r\n</HTML>\r\n");
    // The whole text replaced at once, as pasting it would.
    window->page().editHTML(odd);
    EXPECT_EQ(memHTML()->bytes(), odd);

    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    typeIntoHTML(QStringLiteral("!"));
    const QByteArray edited = QByteArray(odd).insert(6, "!");
    EXPECT_EQ(html(), edited);
    prompts.chooseFile(home + QStringLiteral("save/odd.zve"));
    trigger("menFileSaveAs");
    EXPECT_EQ(fileBytes(home + QStringLiteral("HTMLFiles/odd.html")), edited);
}

TEST_F(PreviewStage, TheEnlargeButtonMovesTheViewerOverTheWindowAndBack)
{
    open();
    addBlocks();
    toStage(stPreview);
    QWidget *imgView = find("imgView");
    QTest::mouseClick(imgView, Qt::LeftButton);
    EXPECT_EQ(viewer()->parentWidget(), find("pnlMain"));
    EXPECT_FALSE(find<QMenu>("mnuFile")->isEnabled());
    EXPECT_EQ(viewer()->geometry().topLeft(), QPoint(2, 2));

    QTest::mouseClick(imgView, Qt::LeftButton);
    EXPECT_EQ(viewer()->parentWidget(), find("tabWebView"));
    EXPECT_TRUE(find<QMenu>("mnuFile")->isEnabled());

    // On the HTML tab the button does nothing.
    find<QTabWidget>("pagePreview")->setCurrentIndex(1);
    QTest::mouseClick(imgView, Qt::LeftButton);
    EXPECT_EQ(viewer()->parentWidget(), find("tabWebView"));
}

// Records the files the program asks the desktop to open.
class BrowserRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

TEST_F(PreviewStage, ExternalPreviewWritesThePageFileAndOpensIt)
{
    BrowserRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    writeStyles({style("Ocean", 0x00FF8000)});
    open();
    addBlocks();
    toStage(stBuild);
    trigger("ExternalPreview1");
    const QString preview = home + QStringLiteral("HTMLFiles/~tmpprvw.html");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toLocalFile(), preview);
    EXPECT_TRUE(fileBytes(preview).contains("\r\n<BODY>\r\n"));
    // The build stage keeps no page HTML text, so the next stage generates the page afresh.
    EXPECT_FALSE(window->page().HTMLGenerated());

    toStage(stPreview);
    clickStyle(1);
    trigger("ExternalPreview1");
    EXPECT_EQ(fileBytes(preview), html());

    // With a named document it is the page file that is written and opened.
    prompts.chooseFile(home + QStringLiteral("save/Shop.zve"));
    trigger("menFileSaveAs");
    QFile::remove(home + QStringLiteral("HTMLFiles/Shop.html"));
    trigger("ExternalPreview1");
    ASSERT_EQ(browser.opened.size(), 3);
    EXPECT_EQ(browser.opened[2].toLocalFile(), home + QStringLiteral("HTMLFiles/Shop.html"));
    EXPECT_EQ(fileBytes(home + QStringLiteral("HTMLFiles/Shop.html")), html());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

} // namespace

#include "previewstage_test.moc"
