#include "imagechooser.h"

#include "helpers.h"
#include "prompts.h"

#include <QDir>
#include <QFile>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace {
constexpr int kJpegQuality = 100;

// The open dialog's filter: all pictures the program can read, then one entry per format.
QString PictureFilter()
{
    return QStringLiteral("All Graphic Files (*.jpg *.bmp *.gif *.pcx *.png *.pcd *.tif *.tga *.eps);;"
                          "jpeg (*.jpg);;bmp (*.bmp);;gif (*.gif);;pcx (*.pcx);;png (*.png);;"
                          "pcd (*.pcd);;tif (*.tif);;tga (*.tga);;eps (*.eps)");
}

void ReportPictureError(const QString &text)
{
    Prompts::current().message(TMsgKind::Error, text, TMsgButtons::Ok);
}

// Holds the hourglass for as long as the picture is copied and converted.
class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

// Reads a picture; the reader's message on failure.
std::optional<QImage> ReadPicture(const QString &path, QString &error)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString();
        return std::nullopt;
    }
    return image;
}
} // namespace

QString TImageChooser::graphicsFolder() const
{
    return PathJoin(m_htmlFolder, QStringLiteral("graphics"));
}

std::optional<TChosenImage> TImageChooser::choose() const
{
    TFileRequest request;
    request.folder = graphicsFolder();
    request.filter = PictureFilter();
    const std::optional<TFileChoice> choice = Prompts::current().openFile(request);
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    return adopt(choice->path);
}

std::optional<TChosenImage> TImageChooser::adopt(const QString &chosenPath) const
{
    TBusyCursor busy;
    // The picture is read before anything is copied, so a file that is no picture leaves the
    // "graphics" folder and the block as they were.
    QString error;
    std::optional<QImage> image = ReadPicture(chosenPath, error);
    if (!image) {
        ReportPictureError(error);
        return std::nullopt;
    }

    // Web servers often tell letter cases apart and dislike spaces, so the copy gets a
    // lower-case name without them. Only the name is lowered: the folders above it are the
    // user's and keep their case on a case-sensitive file system.
    const QString name = FileNamePart(chosenPath).remove(QLatin1Char(' ')).toLower();
    QDir().mkpath(graphicsFolder());
    QString target = PathJoin(graphicsFolder(), name);
    if (QFileInfo(chosenPath).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
        QFile::remove(target);
        QFile::copy(chosenPath, target); // a failed copy shows up as a failed read below
    }

    const QString extension = QFileInfo(target).suffix().toUpper();
    if (extension != QLatin1String("JPG") && extension != QLatin1String("GIF")) {
        const qsizetype dot = target.lastIndexOf(QLatin1Char('.'));
        const qsizetype cut = target.lastIndexOf(QDir::separator());
        target = (dot > cut ? target.left(dot) : target) + QStringLiteral(".jpg");
        QImageWriter writer(target, "jpeg");
        writer.setQuality(kJpegQuality);
        if (!writer.write(*image)) {
            ReportPictureError(writer.errorString());
            return std::nullopt;
        }
    }
    image = ReadPicture(target, error);
    if (!image) {
        ReportPictureError(error);
        return std::nullopt;
    }

    TChosenImage chosen;
    chosen.FileName = MakeRelativePath(PathJoin(m_htmlFolder, QStringLiteral("x.htm")), target);
    chosen.Width = image->width();
    chosen.Height = image->height();
    return chosen;
}
