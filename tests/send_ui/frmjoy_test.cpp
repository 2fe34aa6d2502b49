#include "execfile.h"
#include "frmjoy.h"
#include "joyfireworks.h"
#include "stringtable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(FrmJoy, FireworksGoRoundAndTheTickIsReportedOnlyThroughOK)
{
    TfrmJoy joy;
    EXPECT_EQ(joy.windowTitle(), LoadStr(1000));
    EXPECT_EQ(joy.lbl1->text(), LoadStr(1001));
    EXPECT_EQ(joy.lbl4->text(), LoadStr(1004));
    EXPECT_EQ(joy.chkJoy->text(), "Don''t show this screen again.");
    auto *fireworks = joy.findChild<TJoyFireworks *>("imgJoy");
    ASSERT_NE(fireworks, nullptr);
    EXPECT_EQ(fireworks->size(), QSize(160, 160));

    // Every frame is shown in turn, one per tick, and after the eleventh the first comes again.
    auto *timer = joy.findChild<QTimer *>("timAnimation");
    ASSERT_NE(timer, nullptr);
    QStringList frames;
    QObject::connect(timer, &QTimer::timeout, &joy, [&] { frames << fireworks->frame(); });
    joy.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frames.size() >= 13; }, 10000));
    QStringList expected;
    for (int i = 1; i <= 11; ++i)
        expected << QString("Fire%1").arg(i);
    expected << "Fire1"
             << "Fire2";
    EXPECT_EQ(frames.mid(0, 13), expected);

    joy.chkJoy->setChecked(true);
    QTest::mouseClick(joy.btnJoy, Qt::LeftButton);
    EXPECT_EQ(joy.result(), QDialog::Accepted);
    EXPECT_TRUE(joy.answer().dontShowAgain);

    // Closed with Escape, a tick says nothing.
    TfrmJoy escaped;
    escaped.show();
    escaped.chkJoy->setChecked(true);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.answer().dontShowAgain);
}

TEST(FrmJoy, TheKeyboardTicksTheBoxAndClosesTheDialog)
{
    TfrmJoy joy;
    joy.show();
    QApplication::setActiveWindow(&joy);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&joy));
    ASSERT_EQ(QApplication::focusWidget(), joy.btnJoy);
    QTest::keyClick(joy.btnJoy, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), joy.chkJoy);
    QTest::keyClick(joy.chkJoy, Qt::Key_Space);
    EXPECT_TRUE(joy.chkJoy->isChecked());
    // Enter on the box presses OK, the dialog's default button, which reports the tick.
    QTest::keyClick(joy.chkJoy, Qt::Key_Return);
    EXPECT_FALSE(joy.isVisible());
    EXPECT_EQ(joy.result(), QDialog::Accepted);
    EXPECT_TRUE(joy.answer().dontShowAgain);

    TfrmJoy again;
    again.show();
    QApplication::setActiveWindow(&again);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(again.isVisible());
    EXPECT_FALSE(again.answer().dontShowAgain);
}

TEST(ExecFile, StartsProgramsWaitsForThemAndReportsWhatCannotStart)
{
    QTemporaryDir dir;
    const QString script = dir.filePath("writer");
    const QString out = dir.filePath("out.txt");
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nsleep 0.2\necho \"$1 $2\" > \"$3\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    TExecFile exec;
    QSignalSpy failed(&exec, &TExecFile::OnFail);
    exec.CommandLine = script;
    exec.Parameters = "hello there " + out;
    exec.Wait = true;
    // Waiting the regular way keeps the events coming.
    bool eventSeen = false;
    QTimer::singleShot(50, [&] { eventSeen = true; });
    EXPECT_TRUE(exec.Execute());
    EXPECT_TRUE(eventSeen);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "hello there\n");
    EXPECT_EQ(failed.count(), 0);
    EXPECT_EQ(exec.ErrorCode(), 0);

    // A document is no program; without Associate nothing opens it.
    exec.CommandLine = dir.filePath("page.html");
    exec.Parameters.clear();
    EXPECT_FALSE(exec.Execute());
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(exec.ErrorCode(), 2);
}
