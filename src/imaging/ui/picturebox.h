#pragma once

#include "imagelib.h"
#include "imageresult.h"
#include "imagetypes.h"

#include <QImage>
#include <QString>
#include <QWidget>

class QVariantAnimation;

// Whether a failure is also shown to the user (through OnDecodeError or a message box) or only
// handed back to the caller.
enum class TErrorReport { Report, Quiet };

// An image control over the image binding: setting ImageName loads the file, the picture can be
// saved as JPEG, and read or write failures go to OnDecodeError when something is connected to
// it, else to an error message box. It shows the picture scaled to fit, centred, with the
// chosen transition when a new picture arrives.
class TPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit TPictureBox(QWidget *parent = nullptr);

    // The name reported when the file does not exist.
    static QString fileNotFoundName();
    // The name reported for pictures read by the platform's own loader (".WMF", ".ICO").
    static QString foreignPictureName();

    QString imageName() const { return m_imageName; }
    // Loads the file; see the .cpp for the rules that pick the reader.
    void setImageName(const QString &fileName);
    // The name reported for the picture now shown: "file not found", the upper-cased file name...
    QString pictureName() const { return m_pictureName; }

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    QString defSaveFilename() const { return m_defSaveFilename; }
    void setDefSaveFilename(const QString &fileName) { m_defSaveFilename = fileName; }

    TReadDepth readDepth() const { return m_readDepth; }
    void setReadDepth(TReadDepth depth) { m_readDepth = depth; }
    TWriteDepth writeDepth() const { return m_writeDepth; }
    void setWriteDepth(TWriteDepth depth) { m_writeDepth = depth; }
    int tiffPage() const { return m_tiffPage; }
    void setTiffPage(int page) { m_tiffPage = qMax(1, page); }
    bool tiffAppend() const { return m_tiffAppend; }
    void setTiffAppend(bool append) { m_tiffAppend = append; }
    TTiffCompression tiffCompression() const { return m_tiffCompression; }
    void setTiffCompression(TTiffCompression compression) { m_tiffCompression = compression; }
    TPcdSize pcdSize() const { return m_pcdSize; }
    void setPcdSize(TPcdSize size) { m_pcdSize = size; }

    int jpegQuality() const { return m_jpegQuality; }
    // Values 1..100 are taken; any other value becomes 25.
    void setJpegQuality(int quality);
    int jpegSmoothing() const { return m_jpegSmoothing; }
    void setJpegSmoothing(int smoothing) { m_jpegSmoothing = qBound(0, smoothing, 100); }
    int zoomBy() const { return m_zoomBy; }
    void setZoomBy(int percent) { m_zoomBy = percent; }
    TTransition transition() const { return m_transition; }
    void setTransition(TTransition transition) { m_transition = transition; }

    // Writes the picture with the JPEG writer using JpegQuality, JpegSmoothing and the depth for
    // "jpg"; a non-empty name becomes DefSaveFilename first. A failure is reported and returned.
    TImageStatus saveAsJpeg(const QString &fileName = QString());

    // Loads sourceFile as ImageName does and writes it as a JPEG file at jpegFile with the given
    // quality, leaving JpegQuality as it was. A missing file and a file of a kind without a reader
    // fail too; with TErrorReport::Report every failure is also reported as usual.
    TImageStatus convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality,
                               TErrorReport report);

    // The last failure of this control (a read, a write, a missing file): ImageError::Ok and an
    // empty text before the first. Every control keeps its own.
    int16_t lastErrorCode() const { return m_lastError.code; }
    QString lastErrorText() const { return m_lastError.text; }

    QSize sizeHint() const override;

signals:
    // A reader or writer failed; ErrorCode is 0 or less.
    void OnDecodeError(QObject *sender, int errorCode, const QString &errorText);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Whether a file that does not exist, or has no reader, is reported like a failed read.
    enum class TMissingPicture { Quiet, Report };

    TImageStatus load(const QString &fileName, TMissingPicture missing);
    TImageStatus readWith(const QString &suffix, const QString &fileName, TMissingPicture missing);
    // Keeps the error as the last one and, unless reports are off, reports it.
    TImageStatus reportError(const TImageError &error);
    // Keeps the error as the last one without reporting it.
    TImageStatus keepError(const TImageError &error);
    void startTransition();
    QRect pictureRect() const;

    QString m_imageName;
    QString m_pictureName;
    QImage m_picture;
    QString m_defSaveFilename;
    TReadDepth m_readDepth = rdAuto;
    TWriteDepth m_writeDepth = wdAuto;
    int m_tiffPage = 1;
    bool m_tiffAppend = false;
    TTiffCompression m_tiffCompression = tcNone;
    TPcdSize m_pcdSize = pcdBase4;
    int m_jpegQuality = 25;
    int m_jpegSmoothing = 0;
    int m_zoomBy = 10;
    TTransition m_transition = fxNone;
    TErrorReport m_report = TErrorReport::Report;
    TImageLib m_imageLib;
    TImageError m_lastError;
    QVariantAnimation *m_reveal = nullptr;
    double m_revealed = 1.0;
};
