#include "webchunk.h"

#include "stringtable.h"

#include <array>

TBlockKind GetBlockKind(const QString &componentName)
{
    static const std::array<QString, kBlockKindCount> names{
        QStringLiteral("imgBrPara"),    QStringLiteral("imgBrLink"),  QStringLiteral("imgBrImage"),
        QStringLiteral("imgBrHeading"), QStringLiteral("imgBrEmail"), QStringLiteral("imgBrLine"),
    };
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        if (names[size_t(kind)] == componentName)
            return TBlockKind(kind);
    }
    return bkNone;
}

TWebChunk NewWebChunk(TBlockKind kind)
{
    TWebChunk chunk;
    chunk.Kind = kind;
    switch (kind) {
    case bkPara: chunk.Para.emplace(); break;
    case bkLink: chunk.Link.emplace(); break;
    case bkImage: chunk.Image.emplace(); break;
    case bkHeading: chunk.Heading.emplace(); break;
    case bkEmail: chunk.Email.emplace(); break;
    case bkLine: chunk.Line.emplace(); break;
    default: chunk.Kind = bkNone; break;
    }
    return chunk;
}

TWebChunk NewWebChunk(const QString &componentName)
{
    return NewWebChunk(GetBlockKind(componentName));
}

QByteArray AlignWord(TBlockAlign align)
{
    // Loaded once: the page generator asks for a word for nearly every block.
    static const std::array<QByteArray, 3> words{LoadStrBytes(13), LoadStrBytes(14), LoadStrBytes(15)};
    switch (align) {
    case baLeft: return words[0];
    case baCenter: return words[1];
    case baRight: return words[2];
    default: return {};
    }
}
