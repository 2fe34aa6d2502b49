#include "picturebox.h"

#include "imagelib.h"
#include "prompts.h"
#include "transitioneffect.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaMethod>
#include <QPainter>
#include <QVariantAnimation>

namespace {

// The decoders call this while they work: it keeps the window alive during long reads and stops
// the read when the program is closing down.
int pumpEvents(int)
{
    if (QCoreApplication::closingDown())
        return 0;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return 1;
}

bool testMode()
{
    return qEnvironmentVariableIntValue("ZV_TEST_MODE") == 1;
}

} // namespace

TPictureBox::TPictureBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PictureBox"));
}

QString TPictureBox::fileNotFoundName()
{
    return QStringLiteral("file not found");
}

QString TPictureBox::foreignPictureName()
{
    return QStringLiteral("Non TIF, JPG, DXF, BMP, GIF, PNG, PCD, TGA, EPS or PCX Image");
}

void TPictureBox::setJpegQuality(int quality)
{
    m_jpegQuality = quality >= 1 && quality <= 100 ? quality : 25;
}

void TPictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    startTransition();
    updateGeometry();
    update();
}

// The extension, upper-cased, picks the reader. ".RES" names a picture compiled into the
// program; ".WMF" and ".ICO" go to the platform's loader. A file that does not exist, a failed
// read and an extension without a reader all leave the control without a picture, so that a
// later save can never write the previous picture under the new name.
void TPictureBox::setImageName(const QString &fileName)
{
    load(fileName, TMissingPicture::Quiet);
}

TImageStatus TPictureBox::load(const QString &fileName, TMissingPicture missing)
{
    m_imageName = fileName;
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    if (suffix != QLatin1String("RES") && !QFileInfo(fileName).isFile()) {
        setPicture(QImage());
        m_pictureName = fileNotFoundName();
        const TImageError error = TImageError::of(ImageError::FileNotFound);
        return missing == TMissingPicture::Report ? reportError(error) : keepError(error);
    }
    if (suffix == QLatin1String("WMF") || suffix == QLatin1String("ICO")) {
        QImage image;
        TImageStatus status;
        if (!image.load(fileName))
            status = reportError(TImageError::of(ImageError::BadFile));
        setPicture(image);
        m_pictureName = foreignPictureName();
        return status;
    }
    const TImageStatus status = readWith(suffix, fileName, missing);
    if (!status)
        setPicture(QImage());
    m_pictureName = fileName.toUpper();
    return status;
}

TImageStatus TPictureBox::readWith(const QString &suffix, const QString &fileName, TMissingPicture missing)
{
    if (suffix == QLatin1String("RES")) {
        // Stored names may use either separator, whatever the platform.
        QString name = fileName.mid(qMax(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\')) + 1);
        name = name.left(name.lastIndexOf('.'));
        QImage image(QStringLiteral(":/art/%1.svg").arg(name));
        if (image.isNull())
            image.load(QStringLiteral(":/art/%1.png").arg(name));
        if (image.isNull())
            return reportError(TImageError::of(ImageError::FileNotFound));
        setPicture(image);
        return TImageStatus();
    }
    if (!TImageLib::canRead(fileName)) {
        // Nothing is read for other extensions.
        const TImageError error = TImageError::of(ImageError::Unsupported);
        return missing == TMissingPicture::Report ? reportError(error) : keepError(error);
    }
    TReadOptions options;
    options.depth = TImageLib::readDepthBits(m_readDepth);
    options.dither = TDither::On;
    options.progress = &pumpEvents;
    options.tiffPage = m_tiffPage;
    options.pcdSize = m_pcdSize;
    const TImageLib::TRead read = m_imageLib.readByExtension(fileName, options);
    if (!read)
        return reportError(read.error());
    setPicture(read->image);
    return TImageStatus();
}

TImageStatus TPictureBox::saveAsJpeg(const QString &fileName)
{
    if (!fileName.isEmpty())
        m_defSaveFilename = fileName;
    const int depth = TImageLib::depthForFormat(QStringLiteral("jpg"), m_writeDepth);
    const TImageStatus written =
        m_imageLib.writeJpeg(m_defSaveFilename, m_picture, m_jpegQuality, m_jpegSmoothing, depth);
    return written ? written : reportError(written.error());
}

TImageStatus TPictureBox::convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality,
                                        TErrorReport report)
{
    const TErrorReport oldReport = m_report;
    const int oldQuality = m_jpegQuality;
    m_report = report;
    setJpegQuality(quality);

    TImageStatus status = load(sourceFile, TMissingPicture::Report);
    if (status)
        status = saveAsJpeg(jpegFile);

    m_jpegQuality = oldQuality;
    m_report = oldReport;
    return status;
}

TImageStatus TPictureBox::keepError(const TImageError &error)
{
    m_lastError = error;
    return error;
}

TImageStatus TPictureBox::reportError(const TImageError &error)
{
    keepError(error);
    if (m_report == TErrorReport::Quiet)
        return error;
    if (isSignalConnected(QMetaMethod::fromSignal(&TPictureBox::OnDecodeError)))
        emit OnDecodeError(this, error.code, error.text);
    else
        Prompts::current().message(TMsgKind::Error, error.text, TMsgButtons::Ok);
    return error;
}

void TPictureBox::startTransition()
{
    if (m_transition == fxNone || m_picture.isNull() || testMode() || !isVisible()) {
        m_revealed = 1.0;
        return;
    }
    if (!m_reveal) {
        m_reveal = new QVariantAnimation(this);
        m_reveal->setStartValue(0.0);
        m_reveal->setEndValue(1.0);
        m_reveal->setDuration(TTransitionEffect::durationMs);
        connect(m_reveal, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            m_revealed = value.toDouble();
            update();
        });
    }
    m_reveal->stop();
    m_revealed = 0.0;
    m_reveal->start();
}

QRect TPictureBox::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    // Scaled down to fit, never up, and centred; logical pixels so that a picture drawn for
    // a high-density screen keeps its intended size.
    QSize size = m_picture.deviceIndependentSize().toSize();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QSize TPictureBox::sizeHint() const
{
    return m_picture.isNull() ? QSize(100, 100) : m_picture.deviceIndependentSize().toSize();
}

void TPictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target = pictureRect();
    if (m_revealed < 1.0)
        painter.setClipPath(TTransitionEffect::revealedArea(m_transition, target, m_revealed));
    painter.drawImage(target, m_picture);
}
