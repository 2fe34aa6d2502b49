#pragma once

#include "resourcedetail.h"

#include <QStringList>

// The lines of the send stage's list of files to upload: the reference of every listed file in
// order, a file that is never sent followed by its reason in brackets, and last the page itself
// (the document's name with ".html"), although the page is the first file sent. An untitled
// document adds no page line.
QStringList UploadFileListLines(const TUploadList &list, const QString &docFileName);
