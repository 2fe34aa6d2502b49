#include "textcodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, LatinTextIsStoredByteForByte)
{
    const QString text = QStringLiteral("Caf\u00e9 \u00fcber \u20ac5 \u201cquoted\u201d \u2013 dash");
    const QByteArray bytes = EncodePageText(text);
    EXPECT_EQ(bytes, QByteArray("Caf\xe9 \xfc"
                                "ber \x80"
                                "5 \x93quoted\x94 \x96 dash"));
    EXPECT_EQ(DecodePageText(bytes), text);
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeReferences)
{
    const QString text = QStringLiteral("\u4e2d\u6587 \u0416 \U0001F600");
    const QByteArray bytes = EncodePageText(text);
    EXPECT_EQ(bytes, QByteArray("&#20013;&#25991; &#1046; &#128512;"));
    EXPECT_EQ(DecodePageText(bytes), text);
}

TEST(TextCodec, DecodingReferences)
{
    EXPECT_EQ(DecodePageText("&#x4E2D;&#x4e2d;"), QStringLiteral("\u4e2d\u4e2d"));
    // References at or below 255 are the page's own HTML and stay as written.
    EXPECT_EQ(DecodePageText("&#65;&#233;"), QStringLiteral("&#65;&#233;"));
    // Malformed or out-of-range references stay as written too.
    EXPECT_EQ(DecodePageText("&#20013"), QStringLiteral("&#20013"));
    EXPECT_EQ(DecodePageText("&#;"), QStringLiteral("&#;"));
    EXPECT_EQ(DecodePageText("&#55296;"), QStringLiteral("&#55296;"));     // a lone surrogate
    EXPECT_EQ(DecodePageText("&#1114112;"), QStringLiteral("&#1114112;")); // past the last character
    EXPECT_EQ(DecodePageText("&#"), QStringLiteral("&#"));
    EXPECT_EQ(DecodePageText("a&b"), QStringLiteral("a&b"));
}

TEST(TextCodec, EveryDefinedByteRoundTrips)
{
    for (int b = 1; b < 256; ++b) {
        const char16_t ch = Cp1252ToUnicode(static_cast<unsigned char>(b));
        if (ch == 0xFFFD)
            continue; // the five unused bytes have no character
        EXPECT_EQ(UnicodeToCp1252(ch), b) << b;
        const QByteArray one(1, char(b));
        EXPECT_EQ(EncodePageText(DecodePageText(one)), one) << b;
    }
    EXPECT_EQ(UnicodeToCp1252(0x4E2D), -1);
    EXPECT_EQ(UnicodeToCp1252(0xFFFD), -1);
}
