#include "htmlreader.h"

#include "anchorlist.h"
#include "viewdocument.h"

// Not yet done: the reader follows; these entry points only exist so that callers can build.
TViewError ParseHtmlLines(TViewDocument &, TAnchorList &, const QList<QByteArray> &) { return {}; }
TViewError ParseHtmlBuffer(TViewDocument &, TAnchorList &, const char *, qsizetype) { return {}; }
TViewError ParseHtmlFile(TViewDocument &, TAnchorList &, const QString &) { return {}; }
TViewError ParseTextLines(TViewDocument &, TAnchorList &, const QList<QByteArray> &) { return {}; }
TViewError ParseTextFile(TViewDocument &, TAnchorList &, const QString &) { return {}; }
