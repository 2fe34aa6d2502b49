#include "buildstage.h"
#include "page.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

// Shows the build stage on a page of twelve blocks of every kind, with the block of the given
// kind selected; with a file name it saves a picture of the stage there and quits.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const int kind = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const QString picture = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    TPage page;
    TBuildStage stage(page);
    stage.setWindowTitle(QStringLiteral("Build stage"));
    const TBlockKind kinds[] = {bkHeading, bkPara, bkImage, bkPara, bkLink,  bkLine,
                                bkEmail,   bkPara, bkLink,  bkPara, bkImage, bkLine};
    for (TBlockKind k : kinds) {
        TWebChunk chunk = NewWebChunk(k);
        if (chunk.Heading())
            chunk.Heading()->Text = "Welcome to my page";
        if (chunk.Para())
            chunk.Para()->Text =
                "This is where I tell the world about my garden.\r\nRoses, tulips and a pond.";
        if (chunk.Link()) {
            chunk.Link()->URL = "http://www.example.com/garden";
            chunk.Link()->LinkText = "my garden club";
        }
        page.WebChunks.push_back(chunk);
        stage.PlaceLoadedChunk();
    }
    for (int i = 0; i < int(page.WebChunks.size()); ++i) {
        if (page.WebChunks[size_t(i)].Kind() == kind) {
            stage.SelectBlock(i);
            break;
        }
    }
    stage.show();
    if (!picture.isEmpty()) {
        QTimer::singleShot(300, &stage, [&] {
            stage.grab().save(picture);
            app.quit();
        });
    }
    return app.exec();
}
