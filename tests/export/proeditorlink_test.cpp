#include "forcefolders.h"
#include "privatebus.h"
#include "proeditorlink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Each test gets a bus of its own, and a connection to it under a name of its own.
class ProEditorLink : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning());
        ASSERT_TRUE(editorHome.isValid());
        connectionName = QStringLiteral("test-%1").arg(++s_connections);
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(connectionName); }

    QDBusConnection connection() { return QDBusConnection::connectToBus(bus.address(), connectionName); }

    TPrivateBus bus;
    QTemporaryDir editorHome;
    QString connectionName;

private:
    static inline int s_connections = 0;
};

TEST_F(ProEditorLink, AnEditorOnTheBusIsFoundAndGetsItsFolders)
{
    TFakeEditor editor(QStringLiteral(FAKEEDITOR_PATH), bus.address(), TFakeEditor::TMode::Answer,
                       editorHome.path() + QStringLiteral("/"));
    ASSERT_TRUE(editor.isReady());
    TProEditorLink link(connection());
    EXPECT_TRUE(link.ZorvinRunning());
    EXPECT_TRUE(link.ProEditorRunning());
    EXPECT_EQ(link.GetAppPath(), editorHome.path() + QStringLiteral("/"));
    EXPECT_TRUE(QFileInfo(editorHome.filePath(QStringLiteral("HTMLFiles/Graphics"))).isDir());
    EXPECT_TRUE(QFileInfo(editorHome.filePath(QStringLiteral("HTMLFiles/backgrnd"))).isDir());

    // The editor going away later is noticed by the next call, not by the flag.
    editor.stop();
    EXPECT_EQ(link.GetAppPath(), std::nullopt);
    EXPECT_TRUE(link.ProEditorRunning());
}

TEST_F(ProEditorLink, NoEditorOnTheBusOrNoBusAtAll)
{
    TProEditorLink link(connection());
    EXPECT_FALSE(link.ZorvinRunning());
    EXPECT_EQ(link.GetAppPath(), std::nullopt);

    const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    TProEditorLink unbussed(TProEditorLink::sessionBus());
    EXPECT_FALSE(unbussed.ZorvinRunning());
    EXPECT_EQ(unbussed.GetAppPath(), std::nullopt);
    if (!saved.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", saved);
}

TEST_F(ProEditorLink, AnEditorThatDoesNotAnswerIsGivenUpOnInTime)
{
    TFakeEditor editor(QStringLiteral(FAKEEDITOR_PATH), bus.address(), TFakeEditor::TMode::Silent,
                       editorHome.path());
    ASSERT_TRUE(editor.isReady());
    const int saved = TProEditorLink::callTimeout();
    TProEditorLink::setCallTimeout(400);
    TProEditorLink link(connection());
    QElapsedTimer clock;
    clock.start();
    // It owns its name, so it counts as running, but it makes no folders and gives no path.
    EXPECT_TRUE(link.ZorvinRunning());
    EXPECT_EQ(link.GetAppPath(), std::nullopt);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(QFileInfo::exists(editorHome.filePath(QStringLiteral("HTMLFiles"))));
    TProEditorLink::setCallTimeout(saved);
}

TEST(ForceFolders, MakesEveryMissingFolderAndReportsWhatItCouldNot)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString deep = temp.filePath(QStringLiteral("a/b/c/"));
    EXPECT_TRUE(ForceFolders(deep));
    EXPECT_TRUE(QFileInfo(temp.filePath(QStringLiteral("a/b/c"))).isDir());
    EXPECT_TRUE(ForceFolders(deep)) << "an existing folder is fine";

    // A file standing where a folder should go cannot be made into one.
    QFile blocker(temp.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(ForceFolders(temp.filePath(QStringLiteral("file/below"))));
    EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("file/below"))));
}

} // namespace
