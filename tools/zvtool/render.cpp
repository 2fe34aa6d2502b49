// zvtool render FILE --width N --out PICTURE.png [--height H] [--scale R] [--no-images]
//                    [--slice-height S]
// Paints a page as the viewer shows it: N is the viewer's width (the page is laid out 10 pixels
// in from each side), the picture is as tall as the page or H pixels. A page taller than one
// picture may be (S pixels, at most 30000) is written in slices PICTURE-1.png, PICTURE-2.png, ...
#include "command.h"
#include "htmlreader.h"
#include "textcodec.h"
#include "tpageview.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace {

// Image viewers and the PNG library refuse pictures of about a million rows, and one picture of a
// whole long page would need gigabytes of memory, so taller pages are written in slices.
constexpr int kMaxSliceHeight = 30000;
constexpr qint64 kMaxSliceBytes = qint64(256) << 20;

struct RenderOptions {
    QString file;
    QString out;
    int width = 0;
    int height = 0;
    qreal scale = 1.0;
    bool showImages = true;
    int sliceHeight = kMaxSliceHeight;
};

// Reads the options; returns an error text, empty when they are all right.
QString parseOptions(const QStringList &args, RenderOptions &options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == QLatin1String("--width") && hasValue)
            options.width = args[++i].toInt(&ok);
        else if (arg == QLatin1String("--height") && hasValue)
            options.height = args[++i].toInt(&ok);
        else if (arg == QLatin1String("--scale") && hasValue)
            options.scale = args[++i].toDouble(&ok);
        else if (arg == QLatin1String("--out") && hasValue)
            options.out = args[++i];
        else if (arg == QLatin1String("--slice-height") && hasValue)
            options.sliceHeight = args[++i].toInt(&ok);
        else if (arg == QLatin1String("--no-images"))
            options.showImages = false;
        else if (arg.startsWith(QLatin1String("--")) || !options.file.isEmpty())
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        else
            options.file = arg;
        if (!ok)
            return QStringLiteral("'%1' needs a number").arg(arg);
    }
    if (options.file.isEmpty() || options.out.isEmpty() || options.width <= 0)
        return QStringLiteral(
            "usage: zvtool render FILE --width N --out PICTURE.png [--height H] [--scale R] "
            "[--no-images] [--slice-height S]");
    if (options.width > 20000 || options.height < 0 || options.height > 100000 || options.scale < 0.5 ||
        options.scale > 4 || options.sliceHeight < 1 || options.sliceHeight > kMaxSliceHeight)
        return QStringLiteral("width, height, scale or slice height out of range");
    return {};
}

// PICTURE.png -> PICTURE-3.png
QString slicePath(const QString &out, int number)
{
    const QFileInfo info(out);
    QString name = info.completeBaseName() + QLatin1Char('-') + QString::number(number);
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return out.left(out.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

// Paints the rows top .. top + rows of the page into one picture; returns what went wrong.
QString paintSlice(TPageView &view, const RenderOptions &options, int top, int rows, const QString &name)
{
    QImage picture(QSize(options.width, rows) * options.scale, QImage::Format_RGB32);
    if (picture.isNull())
        return QStringLiteral("Out of Resources");
    picture.setDevicePixelRatio(options.scale);
    {
        QPainter painter(&picture);
        view.Paint(painter, QRect(0, 0, options.width, rows), QPoint(0, top));
    }
    QImageWriter writer(name);
    if (!writer.write(picture)) {
        const QString reason = writer.errorString();
        writer.setFileName(QString()); // closes the file, so a half-written one can go
        QFile::remove(name);
        return QStringLiteral("cannot write %1: %2").arg(name, reason);
    }
    return {};
}

int runRender(const QStringList &args)
{
    RenderOptions options;
    const QString problem = parseOptions(args, options);
    if (!problem.isEmpty())
        return zvFail(problem);
    if (!QFileInfo(options.file).isFile())
        return zvFail(QStringLiteral("Can't locate file: ") + options.file);

    TPageView view;
    TViewSettings settings;
    settings.ShowImages = options.showImages;
    view.Prepare(settings);
    view.FileName = QFileInfo(options.file).absoluteFilePath();
    const QString suffix = QFileInfo(options.file).suffix().toLower();
    TViewError error;
    if (suffix == QLatin1String("txt")) {
        error = ParseTextFile(view.Doc(), view.Anchors(), options.file);
    } else if (QStringList{"bmp", "gif", "png", "jpg", "jpeg"}.contains(suffix)) {
        const QByteArray source = "<img src=\"" + EncodePageText(view.FileName) + "\">";
        error = ParseHtmlBuffer(view.Doc(), view.Anchors(), source.constData(), source.size());
    } else {
        error = ParseHtmlFile(view.Doc(), view.Anchors(), options.file);
    }
    const TLayoutSize size = view.Finish(qMax(0, options.width - 2 * TPageView::LeftMargin));

    const int height = options.height > 0 ? options.height : qMax(1, size.Height);
    // A slice also stays within a memory budget, which matters for wide pictures at a large scale.
    const qreal pixelsPerRow = options.width * options.scale * options.scale * 4;
    const int slice = qBound(1, int(qMin<qreal>(options.sliceHeight, kMaxSliceBytes / pixelsPerRow)), height);
    const int slices = (height + slice - 1) / slice;
    QStringList written;
    for (int i = 0; i < slices; ++i) {
        const int top = i * slice;
        const QString name = slices == 1 ? options.out : slicePath(options.out, i + 1);
        const QString problem = paintSlice(view, options, top, qMin(slice, height - top), name);
        if (!problem.isEmpty())
            return zvFail(problem);
        written << name;
    }
    if (slices > 1)
        zvWrite(QStringLiteral("the page is %1 pixels tall: written in %2 slices of %3 pixels, %4 to %5\n")
                    .arg(height)
                    .arg(slices)
                    .arg(slice)
                    .arg(written.first(), written.last())
                    .toLocal8Bit());
    // The page read up to an error is still painted; the error is reported all the same.
    if (!error.ok())
        return zvFail(error.Message);
    return 0;
}

const ZvCommand render{"render", "paint a page as the viewer shows it into a PNG picture", true, runRender};

} // namespace
