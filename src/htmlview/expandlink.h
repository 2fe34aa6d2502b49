#pragma once

#include <QString>

// Turns a link or image name of a page into a file path. A name with "/" is taken as a URL: it is
// lower-cased, loses "file:///" or "file://", "|" becomes ":" and "/" becomes "\". A name without a
// drive is put behind the base (converted the same way) or, without a base, the current file's
// folder; a base of "DosPath" keeps it relative.
QString ExpandLinkFilename(const QString &name, const QString &base, const QString &currentFile);
