#include "folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Folders, TheOverrideWinsAndEndsWithASeparator)
{
    QTemporaryDir exe;
    touch(exe.filePath(QStringLiteral("Styles.data")));
    TFolderSources sources;
    sources.homeOverride = QStringLiteral("/srv/zv");
    sources.executableFolder = exe.path();
    EXPECT_EQ(ResolveProgramFolder(sources), QStringLiteral("/srv/zv") + QDir::separator());
    sources.homeOverride = QStringLiteral("/srv/zv/");
    EXPECT_EQ(ResolveProgramFolder(sources), QStringLiteral("/srv/zv/"));
}

TEST(Folders, AnExecutableFolderWithStylesIsPortable)
{
    QTemporaryDir exe;
    QTemporaryDir user;
    TFolderSources sources;
    sources.executableFolder = exe.path();
    sources.userDataFolder = user.filePath(QStringLiteral("data"));
    EXPECT_EQ(ResolveProgramFolder(sources), sources.userDataFolder + QDir::separator());
    touch(exe.filePath(QStringLiteral("Styles.data")));
    EXPECT_EQ(ResolveProgramFolder(sources), exe.path() + QDir::separator());
}

TEST(Folders, TheUserFolderIsFilledOnceFromTheInstalledCopy)
{
    QTemporaryDir root;
    const QString installed = root.filePath(QStringLiteral("share/zorvin-express"));
    touch(installed + QStringLiteral("/Styles.data"), "styles");
    touch(installed + QStringLiteral("/template/welcome.zvt"), "template");
    touch(installed + QStringLiteral("/save/.gitkeep"));
    QDir().mkpath(installed + QStringLiteral("/HTMLFiles/graphics"));
    QFile::setPermissions(installed + QStringLiteral("/Styles.data"), QFileDevice::ReadOwner);

    TFolderSources sources;
    sources.executableFolder = root.filePath(QStringLiteral("bin"));
    sources.userDataFolder = root.filePath(QStringLiteral("user/Zorvin Express"));
    sources.installedDataFolders = {root.filePath(QStringLiteral("nowhere")), installed};

    const QString folder = ResolveProgramFolder(sources);
    EXPECT_EQ(folder, sources.userDataFolder + QDir::separator());
    EXPECT_EQ(contentOf(folder + QStringLiteral("Styles.data")), QByteArray("styles"));
    EXPECT_EQ(contentOf(folder + QStringLiteral("template/welcome.zvt")), QByteArray("template"));
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("save")).isDir());
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("save/.gitkeep")));
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("HTMLFiles/graphics")).isDir());
    // The user's copy can be changed even though the installed one is read-only.
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("Styles.data")).isWritable());

    // Once the folder exists it is the user's: deleted templates do not come back and changed
    // files are not overwritten.
    QFile::remove(folder + QStringLiteral("template/welcome.zvt"));
    touch(folder + QStringLiteral("Styles.data"), "mine");
    EXPECT_EQ(ResolveProgramFolder(sources), folder);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("template/welcome.zvt")));
    EXPECT_EQ(contentOf(folder + QStringLiteral("Styles.data")), QByteArray("mine"));
}

TEST(Folders, NamedFoldersFollowTheProgramFolder)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("ZORVIN_HOME");
    qputenv("ZORVIN_HOME", home.path().toUtf8());
    const QString sep = QDir::separator();
    const QString base = home.path() + sep;
    EXPECT_EQ(ProgramFolder(), base);
    EXPECT_EQ(HTMLFolder(), base + QStringLiteral("HTMLFiles") + sep);
    EXPECT_EQ(GraphicsFolder(), base + QStringLiteral("HTMLFiles") + sep + QStringLiteral("graphics") + sep);
    EXPECT_EQ(BackgroundFolder(),
              base + QStringLiteral("HTMLFiles") + sep + QStringLiteral("backgrnd") + sep);
    EXPECT_EQ(SaveFolder(), base + QStringLiteral("save") + sep);
    EXPECT_EQ(TemplateFolder(), base + QStringLiteral("template") + sep);
    EXPECT_EQ(ServersFolder(), base + QStringLiteral("servers") + sep);
    EXPECT_EQ(HelpFileName(), base + QStringLiteral("Help") + sep + QStringLiteral("index.html"));
    EXPECT_EQ(HelpFolder(), base + QStringLiteral("Help") + sep);
    EXPECT_EQ(StylesFileName(), base + QStringLiteral("Styles.data"));
    // Asking for the folders creates none of them.
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    if (previous.isNull())
        qunsetenv("ZORVIN_HOME");
    else
        qputenv("ZORVIN_HOME", previous);
}
