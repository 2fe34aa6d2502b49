#include "serverupload.h"
#include "wwwserver.h"

#include <gtest/gtest.h>

TEST(ServerUpload, CarriesTheServerAndWhereThingsAreRemembered)
{
    tWWWServerType server;
    server.Name = "My site";
    server.Address = "  ftp.example.org:2121 ";
    server.Directory = " www ";
    server.UserName = "anna";
    server.Password = "s3cret";
    server.FlatDir = true;
    server.ISP = "GeoCities";

    const TUploadInput input =
        UploadInputForServer(server, "/home/a/save/Anna.zve", "/home/a/html", "/home/a/.cfg");
    EXPECT_EQ(input.Address, "ftp.example.org:2121");
    EXPECT_EQ(input.Directory, "www");
    EXPECT_EQ(input.UserName, "anna");
    EXPECT_EQ(input.Password, "s3cret");
    EXPECT_TRUE(input.FlatDir);
    EXPECT_TRUE(input.GeoCities);
    EXPECT_EQ(input.DocFileName, "/home/a/save/Anna.zve");
    EXPECT_EQ(input.HTMLFolder, "/home/a/html");
    EXPECT_EQ(input.UploadRecordFile, "/home/a/.cfg/uploads.ini");
    EXPECT_EQ(input.KnownHostsFile, "/home/a/.cfg/known_hosts");

    server.ISP = "Generic host";
    EXPECT_FALSE(UploadInputForServer(server, {}, {}, {}).GeoCities);
    // Without a state folder nothing is remembered: every file is sent.
    EXPECT_TRUE(UploadInputForServer(server, {}, {}, {}).UploadRecordFile.isEmpty());
}
