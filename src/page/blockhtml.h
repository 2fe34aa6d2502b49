#pragma once

#include "webchunk.h"

#include <QFlags>
#include <QString>

// The HTML of the six block kinds. Each emitter replaces the chunk's HTML field by the fragment
// of its record: upper-case tags, CR LF line ends, quoted URLs and file names, unquoted numbers
// and alignment words, and the user's text exactly as typed (the user may type HTML on purpose).

// How the page is generated: for the program's own preview and the page file, or for handing
// the page to the professional editor, optionally with copies of the files it uses.
enum TBuildOption {
    boPreview = 0x0,
    boForExport = 0x1,
    boCopyFiles = 0x2,
};
Q_DECLARE_FLAGS(TBuildOptions, TBuildOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBuildOptions)

// Where an export copies the page's files from and to; unused unless both boForExport and
// boCopyFiles are set, and nothing is copied while EditorFolder is empty.
struct TExportFolders {
    QString ProgramFolder; // holds "HTMLFiles"
    QString EditorFolder;  // the professional editor's folder
};

void ParaToHTML(TWebChunk &chunk);
void LinkToHTML(TWebChunk &chunk);
void ImageToHTML(TWebChunk &chunk, TBuildOptions options, const TExportFolders &folders = {});
void HeadingToHTML(TWebChunk &chunk);
void EmailToHTML(TWebChunk &chunk);
void LineToHTML(TWebChunk &chunk);

// Runs the emitter of the chunk's kind; a chunk of no known kind gets an empty fragment.
void ChunkToHTML(TWebChunk &chunk, TBuildOptions options, const TExportFolders &folders = {});

// Copies source over destination for an export. Failures are ignored on purpose: the page is
// handed over regardless, and an existing destination is only replaced when source exists.
void CopyForExport(const QString &source, const QString &destination);
