#include "killedsaveversions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace {

QByteArray versionBytes(const QString &kind, const QString &folder, int version)
{
    const QString path = QDir(folder).filePath(QStringLiteral("version%1").arg(version));
    if (!WriteKilledSaveVersion(kind, path, version))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TKilledSave {
    QByteArray left; // what the file holds after the kill
    int writes = 0;  // how many saves the child finished before it was killed
};

// Starts the saving child on path, kills it with SIGKILL after delayMs and returns what the file
// then holds.
TKilledSave killDuringSave(const QString &kind, const QString &path, int delayMs)
{
    QProcess child;
    child.start(QStringLiteral(SAVE_CHILD_PATH), {kind, path});
    EXPECT_TRUE(child.waitForReadyRead(10000)) << "the saving child did not start";
    QThread::msleep(delayMs);
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished(10000);
    TKilledSave result;
    result.writes = int(child.readAllStandardOutput().count("wrote"));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        result.left = file.readAll();
    return result;
}

} // namespace

// A save killed at any instant leaves the previous file or the new one, whole: the user's
// document and the style list are never cut short or mixed.
TEST(KilledSave, LeavesTheOldOrTheNewFileWhole)
{
    for (const char *kindName : {"document", "styles"}) {
        const QString kind = QString::fromLatin1(kindName);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const QByteArray first = versionBytes(kind, temp.path(), 0);
        const QByteArray second = versionBytes(kind, temp.path(), 1);
        ASSERT_FALSE(first.isEmpty());
        ASSERT_NE(first, second);
        // One write of a version takes a few milliseconds; the delays walk across several writes
        // in uneven steps, so the kills land at many different points of a write.
        const QString path = QDir(temp.path()).filePath(QStringLiteral("saved"));
        ASSERT_TRUE(WriteKilledSaveVersion(kind, path, 0));
        int sawFirst = 0;
        int sawSecond = 0;
        int mostWrites = 0;
        for (int delay = 1; delay < 300; delay += 5 + delay % 11) {
            const TKilledSave killed = killDuringSave(kind, path, delay);
            ASSERT_TRUE(killed.left == first || killed.left == second)
                << kind.toStdString() << " killed after " << delay << " ms holds " << killed.left.size()
                << " bytes, neither version whole";
            // The child saves without a pause, so every kill lands in some step of a save.
            sawFirst += killed.writes > 1 && killed.left == first;
            sawSecond += killed.left == second;
            mostWrites = std::max(mostWrites, killed.writes);
        }
        // The kills came after saves that replaced the other version, both ways round: they did
        // not all land before the first save finished.
        EXPECT_GT(sawFirst, 0) << kind.toStdString();
        EXPECT_GT(sawSecond, 0) << kind.toStdString();
        EXPECT_GT(mostWrites, 2) << kind.toStdString();
    }
}
