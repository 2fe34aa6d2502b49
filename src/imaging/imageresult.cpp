#include "imageresult.h"

#include <QHash>

TImageError TImageError::of(int16_t code, const QString &detail)
{
    Q_ASSERT(code < ImageError::Ok);
    const QString message = textFor(code);
    return {code, detail.isEmpty() ? message : message + QStringLiteral(" (") + detail + QLatin1Char(')')};
}

QString TImageError::textFor(int16_t code)
{
    static const QHash<int16_t, QString> texts = {
        {ImageError::Stopped, QStringLiteral("Reading the picture was stopped")},
        {ImageError::FileNotFound, QStringLiteral("The picture file was not found")},
        {ImageError::CannotOpen, QStringLiteral("The picture file cannot be opened")},
        {ImageError::BadFile, QStringLiteral("The file is not a picture of this kind, or it is damaged")},
        {ImageError::Truncated, QStringLiteral("The picture file ends too early")},
        {ImageError::TooLarge, QStringLiteral("The picture is too large to be read")},
        {ImageError::OutOfMemory, QStringLiteral("There is not enough memory for the picture")},
        {ImageError::CannotWrite, QStringLiteral("The picture file cannot be written")},
        {ImageError::NoPicture, QStringLiteral("There is no picture to save")},
        {ImageError::Unsupported, QStringLiteral("Pictures of this kind cannot be read")},
        {ImageError::LibraryMissing,
         QStringLiteral("The program that reads pictures of this kind is missing")},
    };
    if (code > 0)
        return QString();
    return texts.value(code, QStringLiteral("Unknown picture error %1").arg(code));
}
