// Shows the main window in the preview stage with a sample page of every block kind and the
// second shipped style. Run it with ZORVIN_HOME pointing at a copy of the shipped program
// folder; the argument "html" opens the HTML tab instead of the Web tab.

#include "frmmain.h"
#include "page.h"
#include "previewpanel.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TfrmMain window{QString()};
    TPage &page = window.page();

    TWebChunk heading = NewWebChunk(bkHeading);
    heading.Heading()->Text = "Welcome to my garden";
    heading.Heading()->Align = baCenter;
    TWebChunk para = NewWebChunk(bkPara);
    para.Para()->Text = "Every spring the tulips come up along the fence, and this year the "
                        "roses joined them. Here is what is growing now.";
    TWebChunk line = NewWebChunk(bkLine);
    line.Line()->Width = "80";
    TWebChunk link = NewWebChunk(bkLink);
    link.Link()->PreText = "Read about";
    link.Link()->URL = "http://example.com/roses.html";
    link.Link()->LinkText = "old roses";
    link.Link()->PostText = "in the club's pages.";
    link.Link()->Align = baCenter;
    TWebChunk email = NewWebChunk(bkEmail);
    email.Email()->PreText = "Questions?";
    email.Email()->Address = "gardener@example.com";
    email.Email()->LinkText = "Write to me";
    email.Email()->Align = baRight;
    email.Email()->NewLine = 1;
    page.WebChunks = {heading, para, line, link, email};
    page.PageTitle = "My Garden";

    window.show();
    window.ShowRedPill(stPreview);
    auto *panel = window.findChild<TPreviewPanel *>(QStringLiteral("pnlView"));
    panel->selectStyleIndex(2);
    panel->AddBodyDef();
    if (app.arguments().contains(QStringLiteral("html")))
        window.findChild<QTabWidget *>(QStringLiteral("pagePreview"))->setCurrentIndex(1);
    return app.exec();
}
