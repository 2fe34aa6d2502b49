#include "formcontrol.h"
#include "viewerfixture.h"

#include <QSignalSpy>
#include <QTest>

TEST_F(ViewerTest, AHashLinkScrollsToTheAnchorWhateverItsCase)
{
    viewer->LoadLines(lines("<A NAME=top></A><P><A HREF=\"#bottom\">down</A></P>" + tallPage() +
                            "<A NAME=BOTTOM></A><P>The end <A HREF=\"#TOP\">up</A></P>"));
    clickText(QStringLiteral("down"));
    EXPECT_GT(viewer->Position(), 0);
    clickText(QStringLiteral("up"));
    EXPECT_EQ(viewer->Position(), 0);
    EXPECT_TRUE(viewer->ScrollToAnchor(QStringLiteral("#Bottom")));
    EXPECT_FALSE(viewer->ScrollToAnchor(QStringLiteral("nowhere")));
}

TEST_F(ViewerTest, WebAndMailLinksDoNothingUnlessTheCallerHandlesThem)
{
    viewer->LoadLines(lines("<TITLE>Here</TITLE><P><A HREF=\"mailto:me@example.com\">mail</A> "
                            "<A HREF=\"http://www.example.com/a.html\">web</A></P>"));
    QSignalSpy errors(viewer.get(), &TPageViewer::loadError);
    clickText(QStringLiteral("mail"));
    clickText(QStringLiteral("web"));
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("Here"));
    EXPECT_EQ(errors.count(), 0);

    QStringList clicked;
    viewer->OnLinkClick = [&](TPageViewer *, const QString &src, bool &handled) {
        clicked.append(src);
        handled = true;
    };
    clickText(QStringLiteral("mail"));
    EXPECT_EQ(clicked, QStringList{QStringLiteral("mailto:me@example.com")});
}

TEST_F(ViewerTest, ALocalLinkLoadsThePageAndAHandledClickDoesNot)
{
    writeFile(QStringLiteral("page2.htm"),
              "<TITLE>Second</TITLE><P>two</P>" + tallPage() + "<A NAME=part></A><P>part two</P>");
    const QString first =
        writeFile(QStringLiteral("index.html"), "<TITLE>First</TITLE><P><A HREF=\"page2.htm#part\">go</A> "
                                                "<A HREF=\"Page2.htm\">plain</A></P>");
    viewer->LoadFromFile(first);

    bool handle = true;
    viewer->OnLinkClick = [&](TPageViewer *, const QString &, bool &handled) { handled = handle; };
    clickText(QStringLiteral("go"));
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("First"));

    handle = false;
    clickText(QStringLiteral("go"));
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("Second"));
    EXPECT_GT(viewer->Position(), 0) << "the destination after # is scrolled to";
}

TEST_F(ViewerTest, ALinkToAMissingFileReportsItAndKeepsThePage)
{
    const QString first = writeFile(QStringLiteral("index.html"),
                                    "<TITLE>First</TITLE><P><A HREF=\"gone.html\">broken</A></P>");
    viewer->LoadFromFile(first);
    QSignalSpy errors(viewer.get(), &TPageViewer::loadError);
    clickText(QStringLiteral("broken"));
    ASSERT_EQ(errors.count(), 1);
    const auto error = errors.at(0).at(0).value<TViewerError>();
    EXPECT_EQ(error.Kind, TViewerErrorKind::FileNotFound);
    EXPECT_TRUE(error.Message.startsWith(QStringLiteral("Can't locate file: ")));
    EXPECT_TRUE(error.Message.endsWith(QStringLiteral("gone.html")));
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("First"));
    EXPECT_EQ(viewer->CurrentFile(), first);
}

TEST_F(ViewerTest, ALinkToAPictureShowsThePicture)
{
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("pic.png"))));
    viewer->LoadFromFile(writeFile(QStringLiteral("index.html"), "<P><A HREF=\"pic.png\">picture</A></P>"));
    clickText(QStringLiteral("picture"));
    EXPECT_EQ(viewer->FileType(), TViewerFileType::Image);
    EXPECT_EQ(viewer->CurrentFile(), dir.filePath(QStringLiteral("pic.png")));
}

TEST_F(ViewerTest, HoveringALinkShowsTheHandAndReportsTheLink)
{
    viewer->LoadLines(lines("<P>plain words here</P><P><A HREF=\"x.htm\">a link</A></P>"));
    QStringList hovered;
    viewer->OnLinkHover = [&](TPageViewer *, const QString &src) { hovered.append(src); };
    QTest::mouseMove(surface(), surfacePointOf(QStringLiteral("link")));
    EXPECT_EQ(surface()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(viewer->URL(), QStringLiteral("x.htm"));
    QTest::mouseMove(surface(), surfacePointOf(QStringLiteral("words")));
    EXPECT_NE(surface()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(hovered, (QStringList{QStringLiteral("x.htm"), QString()}));
}

TEST_F(ViewerTest, HistoryGoesBackAndForwardThroughVisitedPages)
{
    writeFile(QStringLiteral("b.html"), "<TITLE>B</TITLE><P>bee</P>");
    const QString a =
        writeFile(QStringLiteral("a.html"), "<TITLE>A</TITLE><P><A HREF=\"b.html\">to b</A></P>");
    viewer->SetHistoryLimit(5);
    int changes = 0;
    viewer->OnHistoryChange = [&](TPageViewer *) { ++changes; };
    viewer->LoadFromFile(a);
    clickText(QStringLiteral("to b"));
    ASSERT_EQ(viewer->DocumentTitle(), QStringLiteral("B"));
    EXPECT_GE(changes, 1);
    EXPECT_EQ(viewer->History().Titles(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));

    viewer->GoBack();
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("A"));
    EXPECT_EQ(viewer->History().Count(), 2) << "moving through the history does not add to it";
    viewer->GoForward();
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("B"));

    viewer->SetHistoryLimit(1);
    EXPECT_EQ(viewer->History().Count(), 0) << "lowering the limit clears the history";
}

TEST_F(ViewerTest, ASubmitButtonHandsTheFormOverAfterTheClick)
{
    viewer->LoadLines(lines("<FORM ACTION=\"send.cgi\" METHOD=POST><INPUT NAME=who VALUE=\"me\">"
                            "<INPUT TYPE=checkbox NAME=ok><INPUT TYPE=submit VALUE=\"Go\"></FORM>"));
    ASSERT_EQ(viewer->Document().Forms.size(), 1u);
    const auto &controls = viewer->Document().Forms.front()->Controls;
    QStringList received;
    QString action;
    QString method;
    viewer->OnFormSubmit = [&](TPageViewer *, const QString &a, const QString &m,
                               const QStringList &results) {
        action = a;
        method = m;
        received = results;
    };
    auto centreOf = [&](const TFormControl *c) {
        return QPoint(c->X + TPageView::LeftMargin + c->Width / 2, c->Y + c->Height / 2);
    };
    TFormControl *box = nullptr;
    TFormControl *submit = nullptr;
    for (TFormControl *c : controls) {
        if (c->Kind == TFormControlKind::CheckBox)
            box = c;
        if (c->Kind == TFormControlKind::Button)
            submit = c;
    }
    ASSERT_TRUE(box && submit);
    QTest::mouseClick(surface(), Qt::LeftButton, {}, centreOf(box));
    EXPECT_TRUE(box->CurrentChecked);
    QTest::mouseClick(surface(), Qt::LeftButton, {}, centreOf(submit));
    EXPECT_TRUE(received.isEmpty()) << "the submission waits until the click has been handled";
    QTRY_COMPARE(action, QStringLiteral("send.cgi"));
    EXPECT_EQ(method.toUpper(), QStringLiteral("POST"));
    EXPECT_TRUE(received.contains(QStringLiteral("who=me")));
}
