#include "stagefixture.h"
#include "stringtable.h"
#include "textcodec.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <functional>

namespace {

using PanelTest = StageTest;

// Everything a beginner might type: quotes, angle brackets, accents and other scripts.
const QString kTricky =
    QStringLiteral("Caf\u00e9 \"<b>deals</b>\" & 'more' \u4e2d\u6587 \u0394\u03b5\u03bb\u03c4\u03b1");

// Types text as a user would: plain keys for ASCII, the input method's commit for the rest (as
// an input method delivers accented letters and other scripts).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

struct TextField {
    TBlockKind kind;
    const char *control;
    std::function<QByteArray(const TWebChunk &)> field;
};

const TextField kTextFields[] = {
    {bkLink, "txtLinkPre", [](const TWebChunk &c) { return c.Link()->PreText; }},
    {bkLink, "txtLinkURL", [](const TWebChunk &c) { return c.Link()->URL; }},
    {bkLink, "txtLinkLink", [](const TWebChunk &c) { return c.Link()->LinkText; }},
    {bkLink, "txtLinkPost", [](const TWebChunk &c) { return c.Link()->PostText; }},
    {bkImage, "txtImgFileName", [](const TWebChunk &c) { return c.Image()->FileName; }},
    {bkImage, "txtImgHeight", [](const TWebChunk &c) { return c.Image()->Height; }},
    {bkImage, "txtImgWidth", [](const TWebChunk &c) { return c.Image()->Width; }},
    {bkImage, "txtImgDesc", [](const TWebChunk &c) { return c.Image()->AltText; }},
    {bkImage, "txtImgLink", [](const TWebChunk &c) { return c.Image()->LinkURL; }},
    {bkHeading, "txtHeading", [](const TWebChunk &c) { return c.Heading()->Text; }},
    {bkEmail, "txtEmailPre", [](const TWebChunk &c) { return c.Email()->PreText; }},
    {bkEmail, "txtEmail", [](const TWebChunk &c) { return c.Email()->Address; }},
    {bkEmail, "txtEmailLink", [](const TWebChunk &c) { return c.Email()->LinkText; }},
    {bkEmail, "txtEmailPost", [](const TWebChunk &c) { return c.Email()->PostText; }},
    {bkLine, "txtLineWidth", [](const TWebChunk &c) { return c.Line()->Width; }},
};

TEST_F(PanelTest, EveryTextBoxStoresWhatIsTypedAndShowsItAgain)
{
    for (const TextField &field : kTextFields) {
        page.clear();
        dropNew(field.kind, 0);
        dropNew(bkPara, 1);
        stage->SelectBlock(0);
        page.setPageModified(false);
        auto *box = find<QLineEdit>(field.control);
        ASSERT_TRUE(box->isVisible()) << field.control;
        box->selectAll();
        typeText(box, kTricky);
        EXPECT_EQ(field.field(page.WebChunks()[0]), EncodePageText(kTricky)) << field.control;
        EXPECT_TRUE(page.PageModified()) << field.control;

        // Another block's panel in between, then back: the box shows the text as typed.
        stage->SelectBlock(1);
        stage->SelectBlock(0);
        EXPECT_EQ(box->text(), kTricky) << field.control;
        EXPECT_EQ(page.WebChunks()[1], NewWebChunk(bkPara)) << field.control;
    }
}

TEST_F(PanelTest, ParagraphLinesAreStoredWithCrLf)
{
    dropNew(bkPara, 0);
    auto *text = find<QPlainTextEdit>("txtParagraph");
    QTest::keyClicks(text, QStringLiteral("first <line>"));
    QTest::keyClick(text, Qt::Key_Return);
    typeText(text, QStringLiteral("\u00fcber"));
    EXPECT_EQ(page.WebChunks()[0].Para()->Text, QByteArray("first <line>\r\n\xFC"
                                                           "ber"));

    // A long text survives unchanged too.
    const QString longText = QString(QStringLiteral("word ")).repeated(4000);
    text->setPlainText(longText);
    EXPECT_EQ(page.WebChunks()[0].Para()->Text.size(), longText.size());
    page.clear();
    loadParagraphs(1);
    page.editableChunks()[0].Para()->Text = "a\r\nb";
    stage->SelectFirstBlock();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("a\nb"));
}

TEST_F(PanelTest, NothingIsStoredWhileThePanelsAreLoading)
{
    dropNew(bkLink, 0);
    page.setPageModified(false);
    page.setPanelLoading(true);
    QTest::keyClicks(find<QLineEdit>("txtLinkLink"), QStringLiteral("ignored"));
    QTest::mouseClick(find<QToolButton>("spdLinkRight"), Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0], NewWebChunk(bkLink));
    EXPECT_FALSE(page.PageModified());
    page.setPanelLoading(false);
    QTest::keyClicks(find<QLineEdit>("txtLinkLink"), QStringLiteral("!"));
    EXPECT_EQ(page.WebChunks()[0].Link()->LinkText, "ignored!");
}

TEST_F(PanelTest, AlignmentButtonsFormOneGroupThatCanBeEmptied)
{
    dropNew(bkPara, 0);
    auto *left = find<QToolButton>("spdParaLeft");
    auto *center = find<QToolButton>("spdParaCenter");
    auto *right = find<QToolButton>("spdParaRight");
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0].Para()->Align, baCenter);
    QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0].Para()->Align, baRight);
    EXPECT_FALSE(center->isChecked());
    EXPECT_TRUE(right->isChecked());
    QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0].Para()->Align, baNone);
    EXPECT_FALSE(left->isChecked() || center->isChecked() || right->isChecked());

    // The new-line button is a toggle of its own.
    auto *newLine = find<QToolButton>("spdParaReturn");
    QTest::mouseClick(newLine, Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0].Para()->NewLine, 1);
    QTest::mouseClick(newLine, Qt::LeftButton);
    EXPECT_EQ(page.WebChunks()[0].Para()->NewLine, 0);

    // Selecting a block shows its own alignment, whatever the previous one left down.
    QTest::mouseClick(left, Qt::LeftButton);
    dropNew(bkPara, 1);
    EXPECT_FALSE(left->isChecked());
    page.editableChunks()[0].Para()->Align = baCenter;
    stage->SelectBlock(0);
    EXPECT_TRUE(center->isChecked());
    EXPECT_FALSE(left->isChecked() || right->isChecked());
}

// The mean brightness of a button's face, away from its border.
double faceBrightness(QToolButton *button)
{
    const QImage face = button->grab().toImage().copy(button->rect().adjusted(3, 3, -3, -3));
    double sum = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            sum += qGray(face.pixel(x, y));
    return sum / (face.width() * face.height());
}

TEST_F(PanelTest, APressedAlignmentIsPlainToSeeAndToAScreenReader)
{
    dropNew(bkLink, 0);
    auto *left = find<QToolButton>("spdLinkLeft");
    auto *center = find<QToolButton>("spdLinkCenter");
    auto *newLine = find<QToolButton>("spdLinkReturn");
    // Regression: a pressed button differed from a raised one by a barely visible shade (about
    // 20 grey levels); now the pressed face is far darker than a raised one.
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_GT(faceBrightness(left) - faceBrightness(center), 50.0);
    const double raisedNewLine = faceBrightness(newLine);
    QTest::mouseClick(newLine, Qt::LeftButton);
    EXPECT_GT(raisedNewLine - faceBrightness(newLine), 50.0);

    QAccessibleInterface *leftInfo = QAccessible::queryAccessibleInterface(left);
    QAccessibleInterface *centerInfo = QAccessible::queryAccessibleInterface(center);
    ASSERT_TRUE(leftInfo && centerInfo);
    EXPECT_EQ(leftInfo->text(QAccessible::Name), LoadStr(5020));
    EXPECT_EQ(centerInfo->text(QAccessible::Name), LoadStr(5021));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(newLine)->text(QAccessible::Name), LoadStr(5023));
    EXPECT_TRUE(centerInfo->state().checkable);
    EXPECT_TRUE(centerInfo->state().checked);
    EXPECT_FALSE(leftInfo->state().checked);
}

TEST_F(PanelTest, EveryKindHasItsAlignmentAndNewLineButtons)
{
    const struct {
        TBlockKind kind;
        const char *prefix;
        std::function<int(const TWebChunk &)> align, newLine;
    } kinds[] = {
        {bkLink, "spdLink", [](const TWebChunk &c) { return int(c.Link()->Align); },
         [](const TWebChunk &c) { return int(c.Link()->NewLine); }},
        {bkImage, "spdImage", [](const TWebChunk &c) { return int(c.Image()->Align); },
         [](const TWebChunk &c) { return int(c.Image()->NewLine); }},
        {bkHeading, "spdHead", [](const TWebChunk &c) { return int(c.Heading()->Align); },
         [](const TWebChunk &c) { return int(c.Heading()->NewLine); }},
        {bkEmail, "spdEmail", [](const TWebChunk &c) { return int(c.Email()->Align); },
         [](const TWebChunk &c) { return int(c.Email()->NewLine); }},
    };
    for (const auto &k : kinds) {
        page.clear();
        dropNew(k.kind, 0);
        const QString prefix = QLatin1String(k.prefix);
        QTest::mouseClick(find<QToolButton>(qPrintable(prefix + "Left")), Qt::LeftButton);
        EXPECT_EQ(k.align(page.WebChunks()[0]), 1) << k.prefix;
        QTest::mouseClick(find<QToolButton>(qPrintable(prefix + "Center")), Qt::LeftButton);
        EXPECT_EQ(k.align(page.WebChunks()[0]), 2) << k.prefix;
        QTest::mouseClick(find<QToolButton>(qPrintable(prefix + "Return")), Qt::LeftButton);
        EXPECT_EQ(k.newLine(page.WebChunks()[0]), 1) << k.prefix;
        EXPECT_EQ(find<QToolButton>(qPrintable(prefix + "Right"))->toolTip(), LoadStr(5022));
    }
}

TEST_F(PanelTest, SizeAndThicknessListsStoreTheChosenItem)
{
    dropNew(bkHeading, 0);
    auto *size = find<QComboBox>("cmbHeadSize");
    ASSERT_EQ(size->count(), 6);
    EXPECT_EQ(size->itemText(2), LoadStr(25));
    size->setCurrentIndex(2);
    EXPECT_EQ(page.WebChunks()[0].Heading()->Size, "3 (Large)");

    // An item in other letter case is found; one that is no item is replaced by the first.
    dropNew(bkHeading, 1);
    page.editableChunks()[1].Heading()->Size = "5 (SMALLER)";
    stage->SelectBlock(0);
    stage->SelectBlock(1);
    EXPECT_EQ(size->currentIndex(), 4);
    EXPECT_EQ(page.WebChunks()[1].Heading()->Size, "5 (SMALLER)");
    page.editableChunks()[1].Heading()->Size = "";
    stage->SelectBlock(0);
    stage->SelectBlock(1);
    EXPECT_EQ(size->currentIndex(), 0);
    EXPECT_EQ(page.WebChunks()[1].Heading()->Size, "1 (Largest)");

    dropNew(bkLine, 2);
    auto *thickness = find<QComboBox>("cmbLineThick");
    EXPECT_EQ(thickness->currentText(), QStringLiteral("6 (Thickest)"));
    thickness->setCurrentIndex(5);
    EXPECT_EQ(page.WebChunks()[2].Line()->Thickness, "1 (Thinnest)");
    page.editableChunks()[2].Line()->Thickness = "7 (Bold)";
    stage->SelectBlock(0);
    stage->SelectBlock(2);
    EXPECT_EQ(page.WebChunks()[2].Line()->Thickness, "6 (Thickest)");
}

TEST_F(PanelTest, SelectingBlocksShowsTheirPanelAndTakesTheFocus)
{
    QApplication::setActiveWindow(stage.get());
    dropNew(bkLink, 0);
    dropNew(bkEmail, 1);
    stage->SelectBlock(0);
    EXPECT_TRUE(find<QWidget>("pnlLink")->isVisible());
    EXPECT_FALSE(find<QWidget>("pnlEmail")->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtLinkURL")->text(), QStringLiteral("http://"));
    QTRY_VERIFY(find<QLineEdit>("txtLinkURL")->hasFocus());

    page.setDocumentLoading(true);
    stage->SelectBlock(1);
    EXPECT_TRUE(find<QWidget>("pnlEmail")->isVisible());
    EXPECT_FALSE(find<QLineEdit>("txtEmail")->hasFocus());
    page.setDocumentLoading(false);
    stage->SelectBlock(-1);
    EXPECT_TRUE(find<QWidget>("pnlBlank")->isVisible());
    expectSound();
}

TEST_F(PanelTest, CaptionsComeFromTheStringTable)
{
    EXPECT_EQ(find<QLabel>("lblBuildLeft")->text(), LoadStr(5012));
    EXPECT_EQ(find<QLabel>("lblBuildRight")->text(), LoadStr(5013));
    EXPECT_EQ(find<QLabel>("lblBuildBlocks")->text(), LoadStr(5052));
    EXPECT_EQ(find<QLabel>("lblDelete")->text(), LoadStr(5053));
    EXPECT_EQ(find<QLabel>("lblHead2")->text(), LoadStr(5043));
    EXPECT_EQ(find<QLabel>("lblLinkEG2")->text(), LoadStr(5031));
    EXPECT_EQ(find<QLabel>("lblEmailDesc")->text(), LoadStr(5051));
    EXPECT_EQ(find<QToolButton>("spdEmailReturn")->toolTip(), LoadStr(5023));
    // No label of the stage is left without its text.
    for (QLabel *label : stage->findChildren<QLabel *>()) {
        if (label->objectName().startsWith(QLatin1String("lbl"))) {
            EXPECT_FALSE(label->text().isEmpty()) << qPrintable(label->objectName());
        }
    }
}

} // namespace
