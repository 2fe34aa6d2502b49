#include "galleryfixture.h"
#include "programkeyfilters.h"
#include "recordinghelp.h"
#include "stringtable.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

namespace {

using Gallery = GalleryFixture;

TEST_F(Gallery, ListsTemplatesFirstThenSavedPagesToldApartByTheirIcons)
{
    addDocument("save", QStringLiteral("Index.zve"));
    addDocument("save", QStringLiteral("Aardvark.zve"));
    addDocument("template", QStringLiteral("Index.zvt"));
    addDocument("template", QStringLiteral("Zebra.zvt"));
    QFile::copy(home + QStringLiteral("template/Index.zvt"), home + QStringLiteral("template/notes.txt"));

    EXPECT_EQ(captions(), (QStringList{"Index", "Zebra", "Aardvark", "Index"}));
    EXPECT_EQ(gallery()->selectedItems().size(), 0);
    const QImage templateIcon = gallery()->item(0)->icon().pixmap(32, 32).toImage();
    const QImage savedIcon = gallery()->item(3)->icon().pixmap(32, 32).toImage();
    EXPECT_FALSE(templateIcon.isNull());
    EXPECT_FALSE(savedIcon.isNull());
    EXPECT_NE(templateIcon, savedIcon);
    EXPECT_EQ(gallery()->item(1)->icon().pixmap(32, 32).toImage(), templateIcon);

    select(QStringLiteral("Aardvark"));
    TChoosePanel *panel = find<TChoosePanel>("pnlChoose");
    ASSERT_TRUE(panel->selectedItem());
    EXPECT_TRUE(panel->selectedItem()->isSavedPage);
    EXPECT_EQ(panel->selectedItem()->path, home + QStringLiteral("save/Aardvark.zve"));
}

TEST_F(Gallery, FilesThatAreNoDocumentsAreNotListed)
{
    addDocument("save", QStringLiteral("Real.zve"));
    // Regression: a text file carrying the extension was listed (and opened) like a page.
    for (const char *name : {"save/Notes.zve", "template/Empty.zvt", "save/Future.zve"}) {
        QFile file(home + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (QByteArray(name).contains("Notes"))
            file.write("my shopping list, nothing more");
        else if (QByteArray(name).contains("Future"))
            file.write("Zorvin Express File2.00");
    }
    // A damaged document is still one: it opens with what can be read.
    const QString torn = addDocument("template", QStringLiteral("Torn.zvt"));
    QFile file(torn);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(30));
    file.close();
    EXPECT_EQ(captions(), (QStringList{"Torn", "Real"}));
}

TEST_F(Gallery, StageTextsComeFromTheStringTable)
{
    open();
    EXPECT_EQ(find<QLabel>("lblChooseDesc1")->text(), LoadStr(5007));
    EXPECT_EQ(find<QLabel>("lblChooseDesc2")->text(), LoadStr(5008));
    EXPECT_EQ(find<QLabel>("lblChoosePages")->text(), LoadStr(5009));
    EXPECT_EQ(find<QLabel>("lblChoosePreview")->text(), LoadStr(5010));
    EXPECT_EQ(gallery()->toolTip(), LoadStr(5011));
}

TEST_F(Gallery, ClickShowsTheThumbnailAndAnEntryWithoutOneShowsTheWelcomePicture)
{
    const QString with = addDocument("template", QStringLiteral("With.zvt"));
    addThumbnail(with, Qt::red);
    addDocument("template", QStringLiteral("Without.zvt"));
    gallery();
    QWidget *front = find("imgFrontPicture");
    QLabel *thumbnail = find<QLabel>("imgPreView");
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(thumbnail->isVisible());

    const QRect rect = gallery()->visualItemRect(gallery()->item(0));
    QTest::mouseClick(gallery()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    EXPECT_FALSE(front->isVisible());
    ASSERT_TRUE(thumbnail->isVisible());
    EXPECT_EQ(thumbnail->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));

    // Regression: the previous entry's thumbnail stayed, as if it were a picture of this page.
    select(QStringLiteral("Without"));
    EXPECT_FALSE(thumbnail->isVisible());
    EXPECT_TRUE(front->isVisible());
    select(QStringLiteral("With"));
    EXPECT_TRUE(thumbnail->isVisible());

    // Coming back to the stage starts again with the welcome picture.
    clickToolbar(150);
    clickToolbar(10);
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(thumbnail->isVisible());
}

TEST_F(Gallery, DoubleClickOpensATemplateAsANewPageAndASavedPageAsTheDocument)
{
    addDocument("template", QStringLiteral("Club.zvt"), "Club title");
    const QString saved = addDocument("save", QStringLiteral("Mine.zve"), "My title");
    QListWidgetItem *item = select(QStringLiteral("Club"));
    doubleClick(item);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_EQ(window->page().PageTitle(), QByteArray("Club title"));
    EXPECT_TRUE(window->document().DocFileName().isEmpty());

    clickToolbar(10);
    item = select(QStringLiteral("Mine"));
    doubleClick(item);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_EQ(window->page().PageTitle(), QByteArray("My title"));
    EXPECT_EQ(window->document().DocFileName(), saved);
}

TEST_F(Gallery, TheKeyboardChoosesAndOpensAnEntry)
{
    addDocument("template", QStringLiteral("Club.zvt"), "Club title");
    const QString with = addDocument("template", QStringLiteral("Shop.zvt"), "Shop title");
    addThumbnail(with, Qt::blue);
    gallery()->setFocus();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(gallery(), Qt::Key_Down);
    QTest::keyClick(gallery(), Qt::Key_Down);
    EXPECT_TRUE(find("imgPreView")->isVisible());
    QTest::keyClick(gallery(), Qt::Key_Return);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_EQ(window->page().PageTitle(), QByteArray("Shop title"));
}

TEST_F(Gallery, DeleteAndF2WorkOnTheSelectedEntry)
{
    addDocument("template", QStringLiteral("Club.zvt"));
    const QString shop = addDocument("template", QStringLiteral("Shop.zvt"));
    select(QStringLiteral("Club"));
    QTest::keyClick(gallery(), Qt::Key_F2);
    QLineEdit *editor = gallery()->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Society"));
    endEdit(editor, Qt::Key_Return);
    EXPECT_EQ(captions(), (QStringList{"Shop", "Society"}));

    select(QStringLiteral("Shop"));
    prompts.answer(TMsgResult::Yes);
    QTest::keyClick(gallery(), Qt::Key_Delete);
    EXPECT_EQ(prompts.asked().last().buttons, TMsgButtons::YesNo);
    EXPECT_EQ(captions(), QStringList{"Society"});
    EXPECT_FALSE(exists(shop));
}

TEST_F(Gallery, LeavingTheStageByTheToolbarAppliesTheSelectedEntry)
{
    addDocument("template", QStringLiteral("Shop.zvt"), "Shop title");
    select(QStringLiteral("Shop"));
    clickToolbar(150);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    EXPECT_EQ(window->page().PageTitle(), QByteArray("Shop title"));
}

// Regression: the stage switch applied the entry again, so a cancelled save question came back.
TEST_F(Gallery, AnEntryIsAppliedOnceWhetherByDoubleClickOrByTheToolbar)
{
    addDocument("template", QStringLiteral("Shop.zvt"), "Shop title");
    gallery();
    const QByteArray ownTitle = window->page().PageTitle();
    window->page().setPageModified(true);
    prompts.answer(TMsgResult::Cancel); // keep the current page
    select(QStringLiteral("Shop"));
    clickToolbar(150);
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(window->page().PageTitle(), ownTitle);

    clickToolbar(10);
    prompts.clear();
    prompts.answer(TMsgResult::Cancel);
    doubleClick(select(QStringLiteral("Shop")));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(window->page().PageTitle(), ownTitle);
}

TEST_F(Gallery, DeleteAsksFirstAndNoKeepsTheFiles)
{
    const QString path = addDocument("save", QStringLiteral("Index.zve"));
    addThumbnail(path);
    addDocument("template", QStringLiteral("Start.zvt"));

    select(QStringLiteral("Index"));
    prompts.answer(TMsgResult::No);
    trigger("Delete1");
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].text, LoadStr(5080) + QStringLiteral(" \"Index\"?"));
    EXPECT_EQ(prompts.asked()[0].buttons, TMsgButtons::YesNo);
    EXPECT_TRUE(exists(path));

    prompts.answer(TMsgResult::Yes);
    trigger("Delete1");
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(exists(path + QStringLiteral(".bmp")));
    EXPECT_EQ(captions(), QStringList{"Start"});
}

TEST_F(Gallery, VanishedFilesAreDroppedWithoutTouchingTheDisk)
{
    const QString path = addDocument("save", QStringLiteral("Gone.zve"));
    addThumbnail(path);
    addDocument("save", QStringLiteral("Kept.zve"));
    gallery();
    QFile::remove(path);

    select(QStringLiteral("Gone"));
    EXPECT_FALSE(find<QLabel>("imgPreView")->isVisible());

    QLineEdit *editor = startRename();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Back"));
    endEdit(editor, Qt::Key_Return);
    EXPECT_FALSE(exists(home + QStringLiteral("save/Back.zve")));
    EXPECT_TRUE(exists(path + QStringLiteral(".bmp")));
    EXPECT_EQ(captions(), QStringList{"Kept"});

    // Delete of a vanished entry asks nothing and deletes nothing.
    addDocument("save", QStringLiteral("Brief.zve"));
    find<TChoosePanel>("pnlChoose")->GetTemplates();
    select(QStringLiteral("Brief"));
    QFile::remove(home + QStringLiteral("save/Brief.zve"));
    trigger("Delete1");
    EXPECT_TRUE(prompts.asked().isEmpty());
    EXPECT_EQ(captions(), QStringList{"Kept"});
    EXPECT_TRUE(exists(home + QStringLiteral("save/Kept.zve")));
}

TEST_F(Gallery, RenameMovesTheFileAndItsThumbnail)
{
    const QString path = addDocument("save", QStringLiteral("Index.zve"));
    addThumbnail(path);
    renameTo(QStringLiteral("Index"), QStringLiteral("Home"));
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(exists(path + QStringLiteral(".bmp")));
    EXPECT_TRUE(exists(home + QStringLiteral("save/Home.zve")));
    EXPECT_TRUE(exists(home + QStringLiteral("save/Home.zve.bmp")));
    EXPECT_EQ(captions(), QStringList{"Home"});
    EXPECT_TRUE(prompts.asked().isEmpty());
}

TEST_F(Gallery, EscapeAndEmptyNamesKeepTheOldName)
{
    const QString path = addDocument("template", QStringLiteral("Index.zvt"));
    select(QStringLiteral("Index"));
    QLineEdit *editor = startRename();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Other"));
    endEdit(editor, Qt::Key_Escape);
    EXPECT_EQ(captions(), QStringList{"Index"});
    EXPECT_FALSE(find<TChoosePanel>("pnlChoose")->renaming());

    renameTo(QStringLiteral("Index"), QStringLiteral("   "));
    EXPECT_EQ(captions(), QStringList{"Index"});
    EXPECT_TRUE(exists(path));
    EXPECT_TRUE(prompts.asked().isEmpty());
}

TEST_F(Gallery, ForbiddenCharactersAreRefusedWithTheirMessage)
{
    const QString path = addDocument("save", QStringLiteral("Index.zve"));
    for (const QString &name :
         {QStringLiteral("a:b"), QStringLiteral("x/y"), QStringLiteral("why?"), QStringLiteral("p|q")}) {
        prompts.clear();
        prompts.answer(TMsgResult::Ok);
        renameTo(QStringLiteral("Index"), name);
        ASSERT_EQ(prompts.asked().size(), 1) << name.toStdString();
        EXPECT_EQ(prompts.asked()[0].text, LoadStr(5082));
        EXPECT_EQ(captions(), QStringList{"Index"});
        EXPECT_TRUE(exists(path));
    }
}

TEST_F(Gallery, RenameOntoAnExistingNameOverwritesNothing)
{
    const QString index = addDocument("save", QStringLiteral("Index.zve"), "Index title");
    const QString other = addDocument("save", QStringLiteral("Other.zve"), "Other title");
    addThumbnail(index, Qt::red);
    addThumbnail(other, Qt::blue);
    renameTo(QStringLiteral("Index"), QStringLiteral("Other"));
    EXPECT_EQ(captions(), (QStringList{"Index", "Other"}));
    EXPECT_EQ(ReadDocument(index).Title, QByteArray("Index title"));
    EXPECT_EQ(ReadDocument(other).Title, QByteArray("Other title"));
    EXPECT_EQ(LoadThumbnail(index)->pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(LoadThumbnail(other)->pixelColor(5, 5), QColor(Qt::blue));
}

} // namespace

TEST_F(Gallery, TheMenuKeysOpenTheEntryMenuOnTheSelectedEntry)
{
    TRecordingHelp help;
    TProgramKeyFilters keys;
    for (const char *name : {"Art.zvt", "Band.zvt", "Club.zvt", "Dance.zvt", "Shop.zvt"})
        addDocument("template", QLatin1String(name));
    gallery()->setFocus(Qt::TabFocusReason);
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(gallery(), Qt::Key_End);
    ASSERT_EQ(gallery()->currentItem()->text(), "Shop");
    const QRect shop(
        gallery()->viewport()->mapToGlobal(gallery()->visualItemRect(gallery()->currentItem()).topLeft()),
        gallery()->visualItemRect(gallery()->currentItem()).size());

    // The Menu key opens the entry menu, and its commands act on the selected entry.
    QTest::keyClick(gallery(), Qt::Key_Menu);
    auto *menu = find<QMenu>("popFiles");
    ASSERT_EQ(QApplication::activePopupWidget(), menu);
    menu->close();
    EXPECT_EQ(gallery()->currentItem()->text(), "Shop");
    trigger("WhatsThis1");
    ASSERT_EQ(help.requests().size(), 1);
    EXPECT_TRUE(shop.contains(help.last().position));

    // Shift+F10 does the same; with nothing selected it asks what the gallery is.
    QTest::keyClick(gallery(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), menu);
    menu->close();
    gallery()->clearSelection();
    QTest::keyClick(gallery(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(help.requests().size(), 2);
    EXPECT_EQ(help.last().kind, TRecordingHelp::Kind::WhatsThis);
    EXPECT_EQ(help.last().topic, 20);
}
