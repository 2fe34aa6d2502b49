#include "helpeventfilter.h"
#include "recordinghelp.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using Kind = TRecordingHelp::Kind;

// A panel like the block panels: a tagged frame with an untagged label, an untagged edit with an
// F1 topic, a tagged edit and a tagged list.
class HelpEventFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qApp->installEventFilter(&filter);
        auto *layout = new QVBoxLayout(&panel);
        label = new QLabel(QStringLiteral("Type your paragraph text here:"), &panel);
        plainEdit = new QLineEdit(&panel);
        taggedEdit = new QLineEdit(&panel);
        list = new QListWidget(&panel);
        list->addItem(QStringLiteral("Ocean"));
        for (QWidget *widget : {static_cast<QWidget *>(label), static_cast<QWidget *>(plainEdit),
                                static_cast<QWidget *>(taggedEdit), static_cast<QWidget *>(list)})
            layout->addWidget(widget);
        SetHelpTag(&panel, 12);
        SetHelpContext(plainEdit, 50);
        SetHelpContext(taggedEdit, 62);
        SetHelpTag(taggedEdit, 62);
        SetHelpTag(list, 31);
        SetHelpContext(list, 31);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    // A right click as the window system reports it: the context menu event after the button.
    bool rightClick(QWidget *widget)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), widget->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(widget, &event);
        return event.isAccepted();
    }
    void pressF1(QWidget *widget)
    {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F1);
    }

    TRecordingHelp help;
    THelpEventFilter filter;
    QWidget panel;
    QLabel *label = nullptr;
    QLineEdit *plainEdit = nullptr;
    QLineEdit *taggedEdit = nullptr;
    QListWidget *list = nullptr;
};

} // namespace

TEST_F(HelpEventFilterTest, RightClickAsksWhatsThisForTheNearestTag)
{
    rightClick(label);
    ASSERT_EQ(help.requests().size(), 1) << "asked once, not once per parent";
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{Kind::WhatsThis, 12, label->mapToGlobal(QPoint(3, 3))}));

    rightClick(taggedEdit);
    EXPECT_EQ(help.last().topic, 62);

    // The list's items are drawn on its viewport, which is what the click lands on.
    rightClick(list->viewport());
    EXPECT_EQ(help.last(),
              (TRecordingHelp::Request{Kind::WhatsThis, 31, list->viewport()->mapToGlobal(QPoint(3, 3))}));
    EXPECT_EQ(help.requests().size(), 3);
}

TEST_F(HelpEventFilterTest, EditWithoutTagKeepsItsOwnMenu)
{
    rightClick(plainEdit);
    EXPECT_TRUE(help.requests().isEmpty()) << "the panel's tag must not take over the edit's menu";
}

TEST_F(HelpEventFilterTest, F1ShowsTheFocusedControlsTopicOrTheContents)
{
    pressF1(plainEdit);
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{Kind::Topic, 50, {}}));
    pressF1(list);
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{Kind::Topic, 31, {}}));
    EXPECT_EQ(help.requests().size(), 2);

    help.clear();
    SetHelpContext(&panel, 12);
    label->setFocusPolicy(Qt::StrongFocus);
    pressF1(label);
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{Kind::Topic, 12, {}})) << "a parent's context";
    SetHelpContext(&panel, 0);
    pressF1(label);
    EXPECT_EQ(help.last(), (TRecordingHelp::Request{Kind::Contents, 0, {}}));
}

TEST(WhatsThisChoice, StylesInFullEverythingElseAsPopup)
{
    TRecordingHelp help;
    ShowWhatsThisTopic(help, 31, QPoint(5, 6));
    ShowWhatsThisTopic(help, 12, QPoint(5, 6));
    ShowWhatsThisTopic(help, 20, QPoint(7, 8));
    EXPECT_EQ(help.requests(),
              (QList<TRecordingHelp::Request>{
                  {Kind::Topic, 31, {}}, {Kind::Popup, 12, QPoint(5, 6)}, {Kind::Popup, 20, QPoint(7, 8)}}));
}
