#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes. The bytes go to a temporary file in the same folder
// first, which replaces the old file only when it is complete, so a failure part-way (a full
// disk, a removed medium) never destroys the previous file. Returns false with a message in
// error when the file cannot be written.
bool SaveBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
