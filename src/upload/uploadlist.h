#pragma once

#include "resourcedetail.h"

#include <QByteArray>
#include <QString>

// Finding the local files a saved page refers to. Everything here works on the page's text and
// paths only; BuildUploadListForDocument is the one function that reads the page file.
//
// Only files inside the HTML folder are ever sent. A reference that leads elsewhere (an absolute
// path, "../../.ssh/id_rsa", a file:/// URL naming a file outside the folder, a link pointing out
// of it) or whose remote name holds ".." is kept in the list as skipped, with the reason, so the
// user sees why it did not go.

// Cuts out every comment ("<!--" to the next "-->") that holds both a "<" and a ">", so a
// commented-out picture is not sent; other comments stay.
QByteArray StripComments(const QByteArray &text);

// Adds the value of every attribute called name (letter case ignored; "lowsrc=" also matches
// "src=") to list. Empty values and values holding "http://" are passed over.
void ScanAttribute(const QByteArray &text, const QByteArray &name, const QString &pagePath,
                   const QString &htmlFolder, TUploadList &list);

// Adds one reference made in the page at pagePath. A second reference to a file already listed
// adds nothing.
void AddResource(const QString &value, const QString &pagePath, const QString &htmlFolder, TUploadList &list);

// The files pageText (the page file at pagePath, inside htmlFolder) refers to: all "src" values
// first, then all "background" values, in the order found.
TUploadList BuildUploadList(const QByteArray &pageText, const QString &pagePath, const QString &htmlFolder);

// The page file of a builder document: the document's name without folder and extension, with
// ".html", in the HTML folder.
QString PageFileName(const QString &docFileName, const QString &htmlFolder);

// BuildUploadList over the saved page of the document; an empty list for an untitled document,
// and no files for a page file that does not exist.
TUploadList BuildUploadListForDocument(const QString &docFileName, const QString &htmlFolder);
