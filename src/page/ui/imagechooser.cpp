#include "imagechooser.h"

#include "filefilter.h"
#include "helpers.h"
#include "imagelib.h"
#include "picturebox.h"
#include "prompts.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
constexpr int kJpegQuality = 100;

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
} // namespace

QString TImageChooser::graphicsFolder() const
{
    return PathJoin(m_htmlFolder, QStringLiteral("graphics"));
}

std::optional<TChosenImage> TImageChooser::choose() const
{
    TFileRequest request;
    request.folder = graphicsFolder();
    request.filter = ToQtFileFilter(QStringLiteral(
        "All Graphic Files|*.jpg;*.bmp;*.gif;*.pcx;*.png;*.pcd;*.tif;*.tga;*.eps|jpeg|*.jpg|bmp|*.bmp|"
        "gif|*.gif|pcx|*.pcx|png|*.png|pcd|*.pcd|tif|*.tif|tga|*.tga|eps|*.eps"));
    const std::optional<TFileChoice> choice = Prompts::current().openFile(request);
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    return adopt(choice->path);
}

std::optional<TChosenImage> TImageChooser::adopt(const QString &chosenPath) const
{
    TBusyCursor busy;
    m_pictureBox.setJpegQuality(kJpegQuality);
    // The picture is read before anything is copied, so a file that is no picture leaves the
    // "graphics" folder and the block as they were.
    const TImageLib::TRead probe = TImageLib().readByExtension(chosenPath, TReadOptions());
    if (!probe) {
        ReportPictureError(probe.errorText());
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
        const QString jpeg = StripExtension(target) + QStringLiteral(".jpg");
        const TImageStatus converted =
            m_pictureBox.convertToJpeg(target, jpeg, kJpegQuality, TErrorReport::Quiet);
        if (!converted) {
            ReportPictureError(converted.errorText());
            return std::nullopt;
        }
        target = jpeg;
    }
    m_pictureBox.setImageName(target);
    const QImage picture = m_pictureBox.picture();
    if (picture.isNull()) {
        ReportPictureError(m_pictureBox.lastErrorText());
        return std::nullopt;
    }

    TChosenImage chosen;
    chosen.FileName = MakeRelativePath(PathJoin(m_htmlFolder, QStringLiteral("x.htm")), target);
    chosen.Width = picture.width();
    chosen.Height = picture.height();
    return chosen;
}
