#include "sentpage.h"

#include <gtest/gtest.h>

TEST(SentPageTest, FolderPrefixesGoWhateverTheirCase)
{
    EXPECT_EQ(RemoveFolderPrefixes("<IMG SRC=\"Graphics/a.gif\"><BODY BACKGROUND=\"BACKGRND/b.gif\">"),
              QByteArray("<IMG SRC=\"a.gif\"><BODY BACKGROUND=\"b.gif\">"));
}

TEST(SentPageTest, BannerGoesBeforeEveryClosingBodyTagKeepingItsCase)
{
    const QByteArray out = AddHostingBanner("a</body>b</BODY>");
    EXPECT_EQ(out.count("This page hosted by"), 2);
    EXPECT_TRUE(out.startsWith("a<hr><center><b>This page hosted by<a href=\"/\"><img "
                               "src=\"/pictures/gc_icon.gif\" border=0 align=middle></a>Get your own <a "
                               "href=\"/\">Free Home Page</a></b></center>\r\n</body>b"));
    EXPECT_TRUE(out.endsWith("</center>\r\n</BODY>"));
    EXPECT_EQ(AddHostingBanner("no body end"), QByteArray("no body end"));
}

TEST(SentPageTest, CharsetIsDeclaredOnceInTheHead)
{
    const QByteArray page =
        "<HTML>\r\n<HEAD>\r\n<TITLE>Caf\xe9</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>\r\n</HTML>\r\n";
    const QByteArray out = DeclareCharset(page);
    EXPECT_EQ(out,
              QByteArray("<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                         "charset=windows-1252\">\r\n<TITLE>Caf\xe9</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>\r\n"
                         "</HTML>\r\n"));
    EXPECT_EQ(DeclareCharset(out), out);
    // A page that names its own character set keeps it.
    const QByteArray own = "<head><meta charset=utf-8></head><body></body>";
    EXPECT_EQ(DeclareCharset(own), own);
    // The word in the body does not count as a declaration, and a page without HEAD gets one at the top.
    EXPECT_TRUE(DeclareCharset("<body>charset</body>").startsWith("<META"));
    EXPECT_TRUE(DeclareCharset("<html><header>").startsWith("<html>\r\n<META"));
    // A HEAD that opens only after the body has begun gets the declaration before the body, so
    // that it counts and a second preparation adds no second one.
    for (const QByteArray &muddled : {QByteArray("<HTML>\r\n<<BODY>\r\n</H<head <BODY X=1>\r\n</BODY>"),
                                      QByteArray("<body>x</body><html><head></head>")}) {
        const QByteArray declared = DeclareCharset(muddled);
        EXPECT_TRUE(DeclaresCharset(declared)) << declared.constData();
        EXPECT_EQ(DeclareCharset(declared), declared);
    }
}
