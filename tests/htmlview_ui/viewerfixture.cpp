#include "viewerfixture.h"

#include "sectionbase.h"

#include <QFile>
#include <QTest>

void ViewerTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    viewer = std::make_unique<TPageViewer>();
    viewer->SetDefaultFontName(QStringLiteral("Liberation Serif"));
    viewer->resize(400, 300);
    viewer->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
}

void ViewerTest::TearDown()
{
    viewer.reset();
}

QList<QByteArray> ViewerTest::lines(const QByteArray &html)
{
    return html.split('\n');
}

QString ViewerTest::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QWidget *ViewerTest::surface() const
{
    return viewer->findChild<QWidget *>(QStringLiteral("PaintSurface"));
}

QPoint ViewerTest::surfacePointOf(const QString &text) const
{
    const TViewDocument &doc = viewer->Document();
    const int pos = doc.Find(text, 0);
    EXPECT_GE(pos, 0) << text.toStdString();
    int x = 0;
    int y = 0;
    EXPECT_TRUE(doc.CursorToXY(pos, x, y)) << text.toStdString();
    return {x + TPageView::LeftMargin - viewer->HorzPosition() + 3, y - viewer->Position() + 5};
}

void ViewerTest::clickText(const QString &text)
{
    QTest::mouseClick(surface(), Qt::LeftButton, {}, surfacePointOf(text));
}

QByteArray ViewerTest::tallPage(int paragraphs)
{
    QByteArray page = "<HTML><BODY>";
    for (int i = 0; i < paragraphs; ++i) {
        if (i == paragraphs / 2)
            page += "<A NAME=middle></A>";
        page += "<P>Paragraph " + QByteArray::number(i) + " of the tall page</P>\n";
    }
    return page;
}
