#pragma once

#include <QList>
#include <QString>

// One local file that a page refers to and that goes to the server with it.
struct ResourceDetail {
    QString LocalPath; // full local path, with backslash separators
    QString Reference; // the reference as written in the page, e.g. "graphics/dog.gif"
    QString FileKind = QStringLiteral("gif/jpg");
    // Empty for a file that is sent. Otherwise the reason why it is never sent: the reference
    // leads out of the HTML folder, or its remote name would climb out of the web folder.
    QString SkipReason;

    bool Skipped() const { return !SkipReason.isEmpty(); }
};

using TUploadList = QList<ResourceDetail>;
