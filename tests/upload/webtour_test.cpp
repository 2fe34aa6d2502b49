#include "resourcedetail.h"
#include "stringtable.h"
#include "uploadfilelist.h"
#include "webtour.h"

#include <gtest/gtest.h>

TEST(WebTour, TurnsWrapAroundAndTakeInTheUsersPageOnlyAfterAnUpload)
{
    // Turning left from the start.
    EXPECT_EQ(WebIndexInRange(-1, false), 6);
    EXPECT_EQ(WebIndexInRange(-1, true), 7);
    // Turning right past the last logo.
    EXPECT_EQ(WebIndexInRange(7, false), 0);
    EXPECT_EQ(WebIndexInRange(7, true), 7);
    EXPECT_EQ(WebIndexInRange(8, true), 0);
    EXPECT_EQ(WebIndexInRange(3, false), 3);

    EXPECT_EQ(MagnifierText(0), LoadStr(5077) + " Pellory Software");
    EXPECT_EQ(MagnifierText(4), "Click the logo to visit  Sun Microsystems");
    EXPECT_EQ(MagnifierText(7), LoadStr(5078));
    // Every party has a web address of its own; the user's page has none of its own.
    QStringList addresses;
    for (int i = 0; i < YourPageIndex; ++i) {
        const QString address = QLatin1String(WebSights()[size_t(i)].address);
        EXPECT_TRUE(address.startsWith("http")) << i;
        EXPECT_FALSE(addresses.contains(address)) << i;
        addresses << address;
    }
}

TEST(WebTour, TheUsersPageIsWhereTheUploadPutIt)
{
    EXPECT_EQ(YourPageAddress("http://www.host.test/~anna", "/home/a/save/My Page.zve"),
              "http://www.host.test/~anna/MyPage.html");
    // An address that already ends in "/" gets no second one.
    EXPECT_EQ(YourPageAddress("http://www.host.test/~anna/", "/home/a/save/index.zve"),
              "http://www.host.test/~anna/index.html");
    // Dots in the host name are no extension.
    EXPECT_EQ(YourPageAddress("http://www.host.test", "/home/a/save/page"), "http://www.host.test/page.html");
}

TEST(WebTour, TheRedirectPageForwardsAndCannotBeBrokenOutOf)
{
    EXPECT_EQ(RedirectPage("http://a.test/x.html"),
              "<html>\r\n<head><meta http-equiv=\"refresh\" content=\"0; URL=http://a.test/x.html\">\r\n"
              "<title>Preview</title>\r\n</head>\r\n<BODY>\r\n</body>\r\n</html>\r\n");
    const QByteArray hostile = RedirectPage("http://a.test/\"><script>x</script>");
    EXPECT_FALSE(hostile.contains("<script>"));
    EXPECT_TRUE(hostile.contains("URL=http://a.test/%22%3E%3Cscript%3Ex%3C/script%3E\">"));
}

TEST(UploadFileList, ListsReferencesThenThePageAndGivesTheReasonForSkippedOnes)
{
    ResourceDetail dog;
    dog.Reference = "graphics/dog.gif";
    ResourceDetail secret;
    secret.Reference = "../secret.txt";
    secret.SkipReason = "outside the HTML folder, not sent";
    EXPECT_EQ(UploadFileListLines({dog, secret}, "/home/a/save/My Page.zve"),
              (QStringList{"graphics/dog.gif", "../secret.txt (outside the HTML folder, not sent)",
                           "My Page.html"}));
    // An untitled document has no page file to list.
    EXPECT_EQ(UploadFileListLines({dog}, QString()), QStringList{"graphics/dog.gif"});
}
