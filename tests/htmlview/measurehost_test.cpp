#include "qtmeasurehost.h"

#include <gtest/gtest.h>

// Text widths through Qt's font metrics: a character's advance is measured once and then taken
// from the host's table, so a word must measure the same whichever of its characters the host
// has met before.

namespace {

TFontHandle SerifFont(QtMeasureHost &host)
{
    TFontSpec font;
    font.Face = QStringLiteral("Liberation Serif");
    font.PointSize = 12;
    return host.createFont(font);
}

} // namespace

TEST(QtMeasureHost, WordsMeasureTheSameWithAColdOrAWarmCharacterTable)
{
    const QStringList words = {
        QStringLiteral("ab"),       QStringLiteral("aab"),      QStringLiteral("ba\u00E9"),
        QStringLiteral("a\u20ACb"), QStringLiteral("\u20ACab"), QString::fromUcs4(U"a\U0001F600b"),
        QStringLiteral("  "),
    };
    for (const QString &word : words) {
        QtMeasureHost cold;
        const int first = cold.textWidth(SerifFont(cold), word);

        // A host that knows only some of the characters: the word's width starts from the
        // known ones and carries on with the rest.
        QtMeasureHost warm;
        const TFontHandle font = SerifFont(warm);
        warm.textWidth(font, u"a");
        warm.textWidth(font, u"\u20AC");
        EXPECT_EQ(warm.textWidth(font, word), first) << word.toStdString();
        EXPECT_EQ(warm.textWidth(font, word), first) << word.toStdString(); // now all known
        EXPECT_EQ(cold.textWidth(SerifFont(cold), word), first) << word.toStdString();
    }
    QtMeasureHost host;
    const TFontHandle font = SerifFont(host);
    EXPECT_GT(host.textWidth(font, u"a"), 0);
    EXPECT_GT(host.textWidth(font, u"aaaa"), host.textWidth(font, u"aa"));
    EXPECT_EQ(host.textWidth(font, u""), 0);
}
