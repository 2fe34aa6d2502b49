#pragma once

#include "builderdocument.h"
#include "stylesfile.h"

#include <QString>

// Two versions of a builder document and of a styles file, large enough that writing one takes
// a while, so that a kill lands in the middle of a write often. A killed save must leave one
// of the two whole, never a mix of them or a shortened file.
inline TWebChunkList KilledSavePage(int version)
{
    TWebChunkList chunks;
    const QByteArray text = QByteArray(200, char('a' + version)) + "\r\n";
    for (int i = 0; i < 3000 + version * 7; ++i)
        chunks.push_back(MakeWebChunk(TBlockPara{text + QByteArray::number(i), baLeft, 1}));
    return chunks;
}

inline TStyleList KilledSaveStyles(int version)
{
    TStyleList styles;
    for (int i = 0; i < 3000 + version * 11; ++i) {
        TStyleChunk style;
        style.StyleName = "Style " + QByteArray::number(i) + (version ? " blue" : " green");
        style.BackImage = "backgrnd\\stars.gif";
        styles.push_back(style);
    }
    return styles;
}

// Writes the version as kind ("document" or "styles") to path; false when the write failed.
inline bool WriteKilledSaveVersion(const QString &kind, const QString &path, int version)
{
    if (kind == QLatin1String("styles"))
        return WriteStylesToFile(path, KilledSaveStyles(version));
    return WriteDocument(path, "Style " + QByteArray::number(version), "Title", KilledSavePage(version));
}
