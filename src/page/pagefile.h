#pragma once

#include <QByteArray>
#include <QString>

// Writes a page HTML text to path exactly, byte for byte, replacing the file; no line end is
// added. Returns false when the file could not be written.
bool SavePageFile(const QString &path, const QByteArray &text);
