#include "frmabout.h"
#include "helpeventfilter.h"
#include "mainwindowfixture.h"
#include "recordinghelp.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTimer>

namespace {

using Kind = TRecordingHelp::Kind;
using Request = TRecordingHelp::Request;

// The help of the main window, with the program's F1 and right-click handling installed and the
// requests recorded instead of shown.
class MainWindowHelp : public MainWindowFixture {
public:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        qApp->installEventFilter(&filter);
        open();
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&filter);
        MainWindowFixture::TearDown();
    }

    QList<QWidget *> controls(const char *name) const
    {
        return window->findChildren<QWidget *>(QLatin1String(name));
    }
    Request pressF1(QWidget *control)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(control, &press);
        return help.last();
    }
    // The click lands where the window system puts it: on a list's or text box's viewport.
    static QWidget *clickTarget(QWidget *control)
    {
        auto *area = qobject_cast<QAbstractScrollArea *>(control);
        return area ? area->viewport() : control;
    }
    Request rightClick(QWidget *control)
    {
        QWidget *target = clickTarget(control);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
        return help.last();
    }

    TRecordingHelp help;
    THelpEventFilter filter;
};

// The controls of the send stage that are still to be built; they get their help when they exist.
const QStringList kNotBuiltYet{QStringLiteral("lstFiles"), QStringLiteral("imgUpload"),
                               QStringLiteral("imgWebBack")};

struct TExpectedTopic {
    const char *name;
    int topic;
};

} // namespace

TEST_F(MainWindowHelp, F1OnEveryControlOfTheHelpContextTableOpensItsTopic)
{
    const TExpectedTopic table[] = {
        {"ctlHTML", 21},      {"lstStyles", 31},      {"memHTML", 32},      {"lstFiles", 41},
        {"cmbHeadSize", 44},  {"txtHeading", 45},     {"txtLineWidth", 47}, {"cmbLineThick", 48},
        {"txtParagraph", 50}, {"txtLinkPre", 52},     {"txtLinkURL", 53},   {"txtLinkLink", 54},
        {"txtLinkPost", 55},  {"txtImgFileName", 56}, {"txtImgHeight", 57}, {"txtImgWidth", 57},
        {"txtImgDesc", 59},   {"txtEmailPre", 61},    {"txtEmail", 62},     {"txtEmailLink", 63},
        {"txtEmailPost", 64},
    };
    for (const TExpectedTopic &expected : table) {
        const QList<QWidget *> found = controls(expected.name);
        if (found.isEmpty()) {
            EXPECT_TRUE(kNotBuiltYet.contains(QLatin1String(expected.name)))
                << expected.name << " is missing";
            continue;
        }
        for (QWidget *control : found)
            EXPECT_EQ(pressF1(control), (Request{Kind::Topic, expected.topic, {}})) << expected.name;
    }
    // A control without a topic of its own or of a parent opens the contents.
    EXPECT_EQ(pressF1(find("picToolbar")), (Request{Kind::Contents, 0, {}}));
}

TEST_F(MainWindowHelp, RightClickOnEveryControlOfTheTagTableAsksWhatsThis)
{
    const TExpectedTopic table[] = {
        {"pnlPara", 12},        {"lblParaDesc", 12},     {"imgParagraphT", 12},  {"pnlLink", 13},
        {"lblLInkDesc", 13},    {"lblLinkEG2", 13},      {"imgLinkT", 13},       {"pnlImage", 14},
        {"imgImageT", 14},      {"pnlHeading", 15},      {"lblHeadDesc", 15},    {"imgHeadingT", 15},
        {"pnlEmail", 16},       {"lblEmailEG1", 16},     {"pnlLine", 17},        {"lblLineDesc1", 17},
        {"imgBackground", 11},  {"imgShredderBack", 30}, {"imgShredder", 30},    {"lstStyles", 31},
        {"btnEditStyle", 31},   {"imgUpload", 40},       {"lstFiles", 41},       {"lblHeadSize", 44},
        {"lblHeadHeading", 45}, {"lblLineWidth", 47},    {"lblLineThick", 48},   {"lblParaPara", 50},
        {"lblLinkPre", 52},     {"lblLinkURL", 53},      {"lblImgLink", 53},     {"lblImgURL", 53},
        {"lblLinkLink", 54},    {"lblLinkPost", 55},     {"lblImgFilename", 56}, {"spdImgFile", 56},
        {"lblImgHeight", 57},   {"lblImgWidth", 57},     {"lblImgAlt", 59},      {"txtEmailPre", 61},
        {"lblEmailPre", 61},    {"txtEmail", 62},        {"lblEmailAddr", 62},   {"txtEmailLink", 63},
        {"lblEmailLink", 63},   {"txtEmailPost", 64},    {"lblEmailPost", 64},   {"Panel2", 71},
        {"imgPreView", 71},     {"imgFrontPicture", 71}, {"imgWebBack", 75},     {"spdParaLeft", 92},
        {"spdLinkCenter", 94},  {"spdImageRight", 93},   {"spdEmailReturn", 95}, {"pnlTitle", 103},
        {"chkLogo", 104},
    };
    for (const TExpectedTopic &expected : table) {
        const QList<QWidget *> found = controls(expected.name);
        if (found.isEmpty()) {
            EXPECT_TRUE(kNotBuiltYet.contains(QLatin1String(expected.name)))
                << expected.name << " is missing";
            continue;
        }
        for (QWidget *control : found) {
            EXPECT_EQ(rightClick(control), (Request{Kind::WhatsThis, expected.topic,
                                                    clickTarget(control)->mapToGlobal(QPoint(2, 2))}))
                << expected.name;
        }
    }
    // Every block panel's align and new-line buttons, not only the ones named above.
    const QList<QWidget *> buttons =
        window->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^spd\\w+Return$")));
    EXPECT_GE(buttons.size(), 4);
    for (QWidget *button : buttons)
        EXPECT_EQ(rightClick(button).topic, 95) << button->objectName().toStdString();

    // Edit boxes without a tag keep their own editing menu.
    help.clear();
    rightClick(find("txtParagraph"));
    rightClick(find("txtLinkURL"));
    EXPECT_TRUE(help.requests().isEmpty());
}

TEST_F(MainWindowHelp, ButtonsAndGalleryWithTheirOwnMouseHandlersAskToo)
{
    QTest::mousePress(find("imgView"), Qt::RightButton, {}, QPoint(3, 4));
    EXPECT_EQ(help.last(), (Request{Kind::WhatsThis, 76, find("imgView")->mapToGlobal(QPoint(3, 4))}));
    QTest::mousePress(find("imgExit"), Qt::RightButton, {}, QPoint(3, 4));
    EXPECT_EQ(help.last().topic, 87);

    // The gallery with no entry selected asks about itself; its entry menu shows the pop-up.
    auto *gallery = find<QAbstractScrollArea>("lvTemplates");
    rightClick(gallery->viewport());
    EXPECT_EQ(help.last().kind, Kind::WhatsThis);
    EXPECT_EQ(help.last().topic, 20);
    trigger("WhatsThis1");
    EXPECT_EQ(help.last().kind, Kind::Popup);
    EXPECT_EQ(help.last().topic, 20);
}

TEST_F(MainWindowHelp, F1IsHelpTopicsInTheMenuAndStillAsksAboutTheFocusedControl)
{
    EXPECT_TRUE(find<QAction>("menHelpTopics")->shortcuts().contains(QKeySequence(Qt::Key_F1)));
    QApplication::setActiveWindow(window.get());
    clickToolbar(300);
    QWidget *styles = find("lstStyles");
    styles->setFocus();
    // The key goes the way a real key press goes, shortcuts first.
    QTest::keyClick(styles, Qt::Key_F1);
    EXPECT_EQ(help.last(), (Request{Kind::Topic, 31, {}}));
}

TEST_F(MainWindowHelp, HelpMenuOpensTheContentsAndTheAboutBox)
{
    trigger("menHelpTopics");
    EXPECT_EQ(help.last(), (Request{Kind::Contents, 0, {}}));

    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<TfrmAbout *>(QApplication::activeModalWidget());
        aboutShown = about != nullptr;
        if (about)
            about->accept();
    });
    trigger("menHelpAbout");
    EXPECT_TRUE(aboutShown);
}
