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
    switch (kind) {
    case bkPara:
        return MakeWebChunk(TBlockPara());
    case bkLink:
        return MakeWebChunk(TBlockLink());
    case bkImage:
        return MakeWebChunk(TBlockImage());
    case bkHeading:
        return MakeWebChunk(TBlockHeading());
    case bkEmail:
        return MakeWebChunk(TBlockEmail());
    case bkLine:
        return MakeWebChunk(TBlockLine());
    default:
        return TWebChunk(); // no kind, no record
    }
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
    case baLeft:
        return words[0];
    case baCenter:
        return words[1];
    case baRight:
        return words[2];
    default:
        return {};
    }
}
