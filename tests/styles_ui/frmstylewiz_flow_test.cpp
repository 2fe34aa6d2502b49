#include "recordinghelp.h"
#include "stringtable.h"
#include "wizardfixture.h"

#include <QAccessible>
#include <QSignalSpy>

TEST_F(StyleWizardTest, AddModeWalksToTheDetailsAndAppendsTheNewStyleAtTheEnd)
{
    writeStyles(threeStyles());
    open();
    EXPECT_EQ(page(), "tab1");
    EXPECT_FALSE(child("BackButt")->isEnabled());
    EXPECT_TRUE(shown("NextButt"));
    EXPECT_FALSE(shown("FinishButt"));

    click("NextButt");
    EXPECT_EQ(page(), "tab2");
    EXPECT_TRUE(child("BackButt")->isEnabled());
    EXPECT_FALSE(shown("NextButt"));
    EXPECT_TRUE(shown("FinishButt"));
    EXPECT_TRUE(child<QLineEdit>("txtStyleName")->text().isEmpty());

    typeName("My Groovy Style");
    m_prompts.pickColour(0x00123456);
    click("pnlVisited");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");

    EXPECT_EQ(m_prompts.messages(), QStringList{LoadStr(523)});
    EXPECT_EQ(m_prompts.asked().last().buttons, TMsgButtons::YesNoCancel);
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(wizard().result(), QDialog::Accepted);
    TStyleList expected = threeStyles();
    TStyleChunk added;
    added.StyleName = "My Groovy Style";
    added.VisitedColour = 0x00123456;
    expected.push_back(added);
    EXPECT_EQ(savedStyles(), expected);
}

TEST_F(StyleWizardTest, AddingWithoutANameKeepsTheUserOnTheDetailsPage)
{
    writeStyles(threeStyles());
    const QByteArray before = stylesBytes();
    open();
    click("NextButt");
    typeName("   ");
    click("FinishButt");
    EXPECT_EQ(m_prompts.messages(), QStringList{LoadStr(522)});
    EXPECT_EQ(page(), "tab2");
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_TRUE(child("txtStyleName")->hasFocus());
    EXPECT_EQ(wizard().WorkingStyles().count(), 3);
    EXPECT_EQ(stylesBytes(), before);
}

// Regression: a Finish after a cancelled save question appended the new style a second time.
TEST_F(StyleWizardTest, ASecondFinishAfterACancelledQuestionDoesNotAddTheStyleTwice)
{
    writeStyles(threeStyles());
    const QByteArray before = stylesBytes();
    open();
    click("NextButt");
    typeName("Sunset");
    m_prompts.answer(TMsgResult::Cancel);
    click("FinishButt");
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_EQ(page(), "tab2");
    EXPECT_EQ(stylesBytes(), before);

    // Edits made after the cancelled question still belong to the one new style.
    typeName("Sunset Glow");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    EXPECT_EQ(names(savedStyles()), (QStringList{"Ocean", "Desert", "Forest", "Sunset Glow"}));
}

TEST_F(StyleWizardTest, ModifyModeEditsTheSelectedStyleInPlace)
{
    writeStyles(threeStyles());
    open();
    click("radModify");
    EXPECT_EQ(wizard().StyleWizMode(), TStyleWizMode::Modify);
    click("NextButt");
    EXPECT_EQ(page(), "tab3");
    EXPECT_TRUE(shown("lblModify"));
    EXPECT_FALSE(shown("butDelete"));
    EXPECT_FALSE(shown("lblDelete"));
    EXPECT_FALSE(shown("lblMsg2"));
    EXPECT_EQ(listItems(), (QStringList{"Ocean", "Desert", "Forest"}));

    click("NextButt");
    EXPECT_EQ(m_prompts.messages(), QStringList{LoadStr(521)});
    EXPECT_EQ(page(), "tab3");
    EXPECT_TRUE(shown("lblModify"));

    selectRow(1);
    click("NextButt");
    EXPECT_EQ(page(), "tab2");
    EXPECT_EQ(child<QLineEdit>("txtStyleName")->text(), "Desert");
    EXPECT_EQ(child<QLineEdit>("txtImgFilename")->text(), "backgrnd\\sand.gif");
    EXPECT_FALSE(wizard().StylesChanged()) << "filling the fields is not an edit";

    typeName("Dunes");
    m_prompts.pickColour(0x00FFFFFF);
    click("pnlDoc");
    // Back shows the list with the new name; Next again shows the same style.
    click("BackButt");
    EXPECT_EQ(page(), "tab3");
    EXPECT_TRUE(shown("lblModify"));
    EXPECT_EQ(listItems(), (QStringList{"Ocean", "Dunes", "Forest"}));
    click("NextButt");
    EXPECT_EQ(child<QLineEdit>("txtStyleName")->text(), "Dunes");

    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    TStyleList expected = threeStyles();
    expected[1].StyleName = "Dunes";
    expected[1].DocColour = 0x00FFFFFF;
    EXPECT_EQ(savedStyles(), expected);
}

TEST_F(StyleWizardTest, DeleteModeRemovesAndReordersStyles)
{
    writeStyles(threeStyles());
    open();
    click("radDelete");
    click("NextButt");
    EXPECT_EQ(page(), "tab3");
    EXPECT_TRUE(shown("lblDelete"));
    EXPECT_TRUE(shown("butDelete"));
    EXPECT_TRUE(shown("FinishButt"));
    EXPECT_FALSE(shown("NextButt"));

    // The first style cannot go up, nor the last down.
    selectRow(0);
    click("spbUp");
    selectRow(2);
    click("spbDown");
    EXPECT_FALSE(wizard().StylesChanged());
    EXPECT_EQ(listItems(), (QStringList{"Ocean", "Desert", "Forest"}));

    click("spbUp");
    EXPECT_EQ(listItems(), (QStringList{"Ocean", "Forest", "Desert"}));
    EXPECT_EQ(child<QListWidget>("lstStyles")->currentRow(), 1) << "the moved style stays selected";
    click("spbUp");
    EXPECT_EQ(listItems(), (QStringList{"Forest", "Ocean", "Desert"}));
    selectRow(1);
    click("butDelete");
    EXPECT_EQ(listItems(), (QStringList{"Forest", "Desert"}));
    EXPECT_TRUE(wizard().StylesChanged());

    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    const TStyleList all = threeStyles();
    EXPECT_EQ(savedStyles(), (TStyleList{all[2], all[1]}));
}

TEST_F(StyleWizardTest, FinishWithoutChangesAsksNothingAndWritesNothing)
{
    writeStyles(threeStyles());
    const QByteArray before = stylesBytes();
    open();
    modifyStyle(0);
    click("FinishButt");
    EXPECT_TRUE(m_prompts.messages().isEmpty());
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(wizard().result(), QDialog::Rejected);
    EXPECT_EQ(stylesBytes(), before);
}

TEST_F(StyleWizardTest, AnsweringNoOrCancellingTheWizardLeavesTheFileAlone)
{
    writeStyles(threeStyles());
    const QByteArray before = stylesBytes();
    open();
    click("radDelete");
    click("NextButt");
    selectRow(0);
    click("butDelete");
    m_prompts.answer(TMsgResult::No);
    click("FinishButt");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(stylesBytes(), before);

    open();
    click("NextButt");
    typeName("Never Saved");
    click("CancelButt");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_TRUE(m_prompts.messages().size() == 1) << "Cancel closes without a question";
    EXPECT_EQ(stylesBytes(), before);
}

TEST_F(StyleWizardTest, BackReturnsAlongTheWayItCame)
{
    writeStyles(threeStyles());
    open();
    click("NextButt");
    click("BackButt");
    EXPECT_EQ(page(), "tab1");
    EXPECT_FALSE(child("BackButt")->isEnabled());
    EXPECT_TRUE(shown("NextButt"));
    click("radDelete");
    click("NextButt");
    click("BackButt");
    EXPECT_EQ(page(), "tab1");
    EXPECT_FALSE(shown("FinishButt"));
    EXPECT_TRUE(shown("NextButt"));
}

TEST_F(StyleWizardTest, AfterADeleteANewStyleStartsFromTheDefaultColours)
{
    writeStyles(threeStyles());
    open();
    modifyStyle(0);
    m_prompts.pickColour(0x00ABCDEF);
    click("pnlBack");
    click("BackButt");
    click("BackButt");
    click("radDelete");
    click("NextButt");
    selectRow(0);
    click("butDelete");
    click("BackButt");
    click("radAdd");
    click("NextButt");
    typeName("Fresh");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    TStyleChunk fresh;
    fresh.StyleName = "Fresh";
    const TStyleList saved = savedStyles();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved.back(), fresh);
}

TEST_F(StyleWizardTest, ACancelledColourDialogChangesNothing)
{
    writeStyles(threeStyles());
    open();
    modifyStyle(2);
    m_prompts.cancelColour();
    click("pnlStandard");
    EXPECT_FALSE(wizard().StylesChanged());
    EXPECT_EQ(wizard().WorkingStyles().at(2), threeStyles()[2]);
    click("FinishButt");
    EXPECT_TRUE(m_prompts.messages().isEmpty());
}

TEST_F(StyleWizardTest, TheColourSwatchesAreNamedByTheirCaptionsAndWorkFromTheKeyboard)
{
    writeStyles(threeStyles());
    open();
    modifyStyle(2);
    const std::pair<const char *, int> swatches[] = {
        {"pnlBack", 510}, {"pnlDoc", 513}, {"pnlStandard", 516}, {"pnlActive", 514}, {"pnlVisited", 515}};
    for (const auto &[name, id] : swatches) {
        QAccessibleInterface *info = QAccessible::queryAccessibleInterface(child<QWidget>(name));
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->text(QAccessible::Name), LoadStr(id)) << name;
    }
    m_prompts.pickColour(0x00123456);
    QWidget *visited = child<QWidget>("pnlVisited");
    visited->setFocus();
    QTest::keyClick(visited, Qt::Key_Space);
    EXPECT_EQ(wizard().WorkingStyles().at(2).VisitedColour, 0x00123456u);
}

TEST_F(StyleWizardTest, HelpAsksForTheWizardTopic)
{
    open();
    TRecordingHelp help;
    click("butHelp");
    ASSERT_EQ(help.requests().size(), 1);
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{TRecordingHelp::Kind::Topic, 31, {}}));
}
