// zvtool render FILE --width N --out PICTURE.png [--height H] [--scale R] [--no-images]
// Paints a page as the viewer shows it: N is the viewer's width (the page is laid out 10 pixels
// in from each side), the picture is as tall as the page or H pixels.
#include "command.h"
#include "htmlreader.h"
#include "textcodec.h"
#include "tpageview.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace {

struct RenderOptions {
    QString file;
    QString out;
    int width = 0;
    int height = 0;
    qreal scale = 1.0;
    bool showImages = true;
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
            "[--no-images]");
    if (options.width > 20000 || options.height < 0 || options.height > 100000 || options.scale < 0.5 ||
        options.scale > 4)
        return QStringLiteral("width, height or scale out of range");
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
    QImage picture(QSize(options.width, height) * options.scale, QImage::Format_RGB32);
    if (picture.isNull())
        return zvFail(QStringLiteral("Out of Resources"));
    picture.setDevicePixelRatio(options.scale);
    {
        QPainter painter(&picture);
        view.Paint(painter, QRect(0, 0, options.width, height), QPoint(0, 0));
    }
    if (!picture.save(options.out))
        return zvFail(QStringLiteral("cannot write ") + options.out);
    // The page read up to an error is still painted; the error is reported all the same.
    if (!error.ok())
        return zvFail(error.Message);
    return 0;
}

const ZvCommand render{"render", "paint a page as the viewer shows it into a PNG picture", true, runRender};

} // namespace
