#include "isplist.h"
#include "serverurl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray definition(const char *name, const char *extra = "")
{
    return QByteArray("[Server Details]\r\nName=") + name + "\r\nAddress=ftp." + name + ".test\r\n" + extra;
}

} // namespace

TEST(ISPList, LoadsEveryDefinitionInNameOrderAndSkipsWhatIsNoDefinition)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("b.inf"), definition("Bravo"));
    writeFile(dir.filePath("A.INF"), definition("Alpha", "[Server Options]\r\nCreateDir=1\r\nLogin=0\r\n"));
    writeFile(dir.filePath("c.inf"), "[Server Details]\r\nAddress=ftp.nameless.test\r\n");
    writeFile(dir.filePath("d.inf"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    writeFile(dir.filePath("e.txt"), definition("NotAnInf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.inf"));
    writeFile(dir.filePath("z.inf"), definition("Zulu"));

    QStringList warnings;
    const TISPList isps = LoadISPs(dir.path(), &warnings);
    ASSERT_EQ(isps.size(), 3);
    EXPECT_EQ(isps[0].Name, "Alpha");
    EXPECT_TRUE(isps[0].CreateDir);
    EXPECT_FALSE(isps[0].Login);
    EXPECT_EQ(isps[0].Address, "ftp.Alpha.test");
    EXPECT_EQ(isps[1].Name, "Bravo");
    EXPECT_FALSE(isps[1].CreateDir);
    EXPECT_TRUE(isps[1].Login);
    EXPECT_EQ(isps[2].Name, "Zulu");
    // The nameless file, the picture and the folder each get a line naming them.
    ASSERT_EQ(warnings.size(), 3) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings.join('\n').contains("c.inf"));
    EXPECT_TRUE(warnings.join('\n').contains("d.inf"));
    EXPECT_TRUE(warnings.join('\n').contains("folder.inf"));

    EXPECT_TRUE(LoadISPs(dir.filePath("missing")).isEmpty());
}

TEST(ISPList, FindISPMatchesTheExactNameAndPrefersTheLaterOfTwins)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("1.inf"), definition("Twin", "URL=first"));
    writeFile(dir.filePath("2.inf"), definition("Other"));
    writeFile(dir.filePath("3.inf"), definition("Twin", "URL=second"));
    const TISPList isps = LoadISPs(dir.path());
    ASSERT_EQ(isps.size(), 3);
    EXPECT_EQ(FindISP(isps, "Twin"), 2);
    EXPECT_EQ(isps[FindISP(isps, "Twin")].URL, "second");
    EXPECT_EQ(FindISP(isps, "twin"), -1);
    EXPECT_EQ(FindISP(isps, ""), -1);
    EXPECT_EQ(FindISP(isps, "Other"), 1);
}

TEST(ISPList, ShippedDefinitionsAllLoadAndBuildTheirWebAddresses)
{
    QStringList warnings;
    const TISPList isps = LoadISPs(QStringLiteral(ZV_SOURCE_ROOT "/data/servers"), &warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    ASSERT_GE(isps.size(), 5);
    const int geo = FindISP(isps, "GeoCities");
    ASSERT_GE(geo, 0);
    EXPECT_FALSE(isps[geo].Address.isEmpty());
    EXPECT_EQ(BuildURL(&isps[geo], isps[geo].Address, "member", "SoHo/Studios", "2564"),
              "http://www.geocities.com/SoHo/Studios/2564/");
    for (const ISPDetails &isp : isps) {
        if (IsGeoCities(isp.Name))
            continue;
        EXPECT_FALSE(isp.Directory.isEmpty()) << isp.Name.toStdString();
        const QString url = BuildURL(&isp, "ftp.mysite.test", "jo");
        EXPECT_TRUE(url.startsWith("http://") && !url.contains('%')) << url.toStdString();
        EXPECT_TRUE(url.contains("mysite.test") && !url.contains("ftp.")) << url.toStdString();
    }
}

TEST(ServerURL, CommonServersAndDefinitionsFillTheirPlaceholders)
{
    EXPECT_EQ(BuildURL(nullptr, "ftp.host.test", "jo"), "http://ftp.host.test/~jo/");
    ISPDetails isp;
    isp.Name = "Pattern";
    isp.URL = "http://%LOGIN%.%Domain%/%login%/%neighbourhood%";
    EXPECT_EQ(BuildURL(&isp, "FTP.site.test", "%login%"), "http://%login%.site.test/%login%/%neighbourhood%");
    isp.Name = "geoCITIES";
    isp.URL = "http://g/%NeighbourHood%/%geonumber%/%login%";
    EXPECT_EQ(BuildURL(&isp, "a", "b", "Area51", "%geonumber%"), "http://g/Area51/%geonumber%/%login%");
    EXPECT_EQ(DomainOfAddress(" ftp.x.test "), "x.test");
    EXPECT_EQ(DomainOfAddress("ftpx.test"), "ftpx.test");
}
