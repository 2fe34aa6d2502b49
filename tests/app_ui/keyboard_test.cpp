#include "keyboardwalk.h"
#include "mainwindowfixture.h"
#include "programkeyfilters.h"
#include "recordinghelp.h"
#include "stringtable.h"
#include "webblock.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// The main window driven from the keyboard alone: the focus starts on the first stage button
// and moves with Tab, as a user without a mouse moves it.
class Keyboard : public MainWindowFixture {
public:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        open();
        QApplication::setActiveWindow(window.get());
    }

    // The widgets the Tab key visits from the first stage button until it comes round again.
    QList<QWidget *> walkTabOrder() const { return KeyboardWalk::TabStops(find("btnStageChoose")); }

    // Checks that every name in order appears in the walk, in that order.
    static void expectInOrder(const QStringList &walk, const QStringList &order)
    {
        int last = -1;
        for (const QString &name : order) {
            const int at = int(walk.indexOf(name));
            EXPECT_GT(at, last) << name.toStdString() << " in " << walk.join(QLatin1Char(' ')).toStdString();
            last = std::max(last, at);
        }
    }
};

const QStringList kStageButtons{"btnStageChoose", "btnStageBuild", "btnStagePreview", "btnStageSend"};

TEST_F(Keyboard, TheStageButtonsComeFirstAndChooseTheirStage)
{
    const QStringList walk = KeyboardWalk::ObjectNames(walkTabOrder());
    ASSERT_GE(walk.size(), 6);
    EXPECT_EQ(walk.mid(0, 4), kStageButtons);
    EXPECT_EQ(walk.last(), QStringLiteral("btnExit"));
    EXPECT_TRUE(walk.contains(QStringLiteral("lvTemplates")));
    // The enlarge button acts only in the preview stage, and is skipped elsewhere.
    EXPECT_FALSE(walk.contains(QStringLiteral("btnView")));

    find("btnStageBuild")->setFocus();
    QTest::keyClick(find("btnStageBuild"), Qt::Key_Return);
    EXPECT_EQ(window->CurrentStage(), stBuild);
    find("btnStagePreview")->setFocus();
    QTest::keyClick(find("btnStagePreview"), Qt::Key_Space);
    EXPECT_EQ(window->CurrentStage(), stPreview);
    EXPECT_TRUE(KeyboardWalk::ObjectNames(walkTabOrder()).contains(QStringLiteral("btnView")));
    EXPECT_EQ(KeyboardWalk::AccessibleName(find("btnStageSend")), QStringLiteral("Send"));
    EXPECT_EQ(KeyboardWalk::AccessibleName(find("btnExit")), QStringLiteral("Exit"));

    // Exit from the keyboard takes the same road as the mouse, questions included.
    window->page().setPageModified(true);
    prompts.answer(TMsgResult::Cancel);
    find("btnExit")->setFocus();
    QTest::keyClick(find("btnExit"), Qt::Key_Space);
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Keyboard, APageIsBuiltAndWalkedWithoutTheMouse)
{
    find("btnStageBuild")->setFocus();
    QTest::keyClick(find("btnStageBuild"), Qt::Key_Return);
    ASSERT_EQ(window->CurrentStage(), stBuild);

    // A toolbox brick adds its block at the end of the page, and its panel takes the typing.
    find("imgBrHeading")->setFocus();
    QTest::keyClick(find("imgBrHeading"), Qt::Key_Space);
    ASSERT_EQ(window->page().WebChunks().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), find("txtHeading"));
    QTest::keyClicks(find("txtHeading"), "Welcome");
    EXPECT_EQ(window->page().WebChunks()[0].Heading()->Text, QByteArray("Welcome"));
    find("imgBrPara")->setFocus();
    QTest::keyClick(find("imgBrPara"), Qt::Key_Return);
    ASSERT_EQ(window->page().WebChunks().size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), find("txtParagraph"));

    // The walk reads like the window: stages, toolbox, the page's blocks, the selected block's
    // fields and buttons, then the exit button. Every stop has a name a screen reader can say.
    const QList<QWidget *> walk = walkTabOrder();
    const QStringList order = KeyboardWalk::ObjectNames(walk);
    expectInOrder(order, kStageButtons + QStringList{"imgBrPara", "imgBrLink", "imgBrImage", "imgBrHeading",
                                                     "imgBrEmail", "imgBrLine"});
    QList<QWidget *> blocks;
    for (QWidget *widget : walk) {
        if (qobject_cast<TWebBlock *>(widget) && widget->objectName().isEmpty())
            blocks << widget;
    }
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_GT(walk.indexOf(blocks[0]), order.indexOf(QStringLiteral("imgBrLine")));
    EXPECT_EQ(walk.indexOf(blocks[1]), walk.indexOf(blocks[0]) + 1);
    EXPECT_EQ(KeyboardWalk::AccessibleName(blocks[0]), QStringLiteral("Web Block 1 of 2: Heading"));
    EXPECT_EQ(KeyboardWalk::AccessibleName(blocks[1]), QStringLiteral("Web Block 2 of 2: Paragraph"));
    const int paragraph = int(order.indexOf(QStringLiteral("txtParagraph")));
    EXPECT_GT(paragraph, walk.indexOf(blocks[1]));
    expectInOrder(
        order, {"txtParagraph", "spdParaLeft", "spdParaCenter", "spdParaRight", "spdParaReturn", "btnExit"});
    for (QWidget *widget : walk)
        EXPECT_FALSE(KeyboardWalk::AccessibleName(widget).isEmpty()) << widget->objectName().toStdString();
    EXPECT_EQ(KeyboardWalk::AccessibleName(find("txtParagraph")), LoadStr(5018).trimmed());

    // Space on a column block selects it and its panel takes the focus again.
    blocks[0]->setFocus();
    QTest::keyClick(blocks[0], Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), find("txtHeading"));
}

TEST_F(Keyboard, EveryStopOfTheChooseAndPreviewStagesHasAName)
{
    for (const char *stage : {"btnStageChoose", "btnStagePreview"}) {
        find(stage)->setFocus();
        QTest::keyClick(find(stage), Qt::Key_Return);
        const QList<QWidget *> walk = walkTabOrder();
        EXPECT_GE(walk.size(), 6);
        for (QWidget *widget : walk)
            EXPECT_FALSE(KeyboardWalk::AccessibleName(widget).isEmpty())
                << stage << ": " << widget->objectName().toStdString() << " "
                << widget->metaObject()->className();
    }
}

TEST_F(Keyboard, TheMenuKeysAskAboutTheFocusedControlAsARightClickDoes)
{
    TRecordingHelp help;
    TProgramKeyFilters keys;
    const auto menuKey = [&](QWidget *control, bool shiftF10) {
        help.clear();
        control->setFocus(Qt::TabFocusReason);
        if (shiftF10)
            QTest::keyClick(control, Qt::Key_F10, Qt::ShiftModifier);
        else
            QTest::keyClick(control, Qt::Key_Menu);
        EXPECT_EQ(help.requests().size(), 1) << control->objectName().toStdString();
        // The menu opens on the control that has the focus.
        const QRect place(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_TRUE(place.contains(help.last().position)) << control->objectName().toStdString();
        return help.last();
    };

    // The exit button explains itself, as its picture does on a right click.
    const TRecordingHelp::Request exit = menuKey(find("btnExit"), false);
    EXPECT_EQ(exit.kind, TRecordingHelp::Kind::WhatsThis);
    EXPECT_EQ(exit.topic, 87);

    // A toolbox brick and a block on the page explain their kind.
    find("btnStageBuild")->setFocus();
    QTest::keyClick(find("btnStageBuild"), Qt::Key_Return);
    auto *brick = find<TWebBlock>("imgBrHeading");
    QTest::keyClick(brick, Qt::Key_Space);
    EXPECT_EQ(menuKey(brick, true).topic, 12 + brick->Tag / 22);
    TWebBlock *block = nullptr;
    for (TWebBlock *shown : window->findChildren<TWebBlock *>()) {
        if (shown->objectName().isEmpty() && shown->isVisible() && shown->focusPolicy() != Qt::NoFocus)
            block = shown;
    }
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(menuKey(block, false).topic, block->Tag);

    // A control with a help tag answers through the program's help filter.
    find("btnStagePreview")->setFocus();
    QTest::keyClick(find("btnStagePreview"), Qt::Key_Return);
    ASSERT_EQ(window->CurrentStage(), stPreview);
    EXPECT_EQ(menuKey(find("lstStyles"), false).topic, 31);
}

} // namespace
