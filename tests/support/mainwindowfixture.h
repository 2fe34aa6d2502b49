#pragma once

// A fresh main window for every test, with the program folder and the settings store redirected
// into a temporary folder and ScriptedPrompts answering every question. Header-only, so only
// the test programs that include it need the main window's library.

#include "buildstage.h"
#include "frmmain.h"
#include "qtprinters.h"
#include "scriptedprompts.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        home = m_temp.path() + QStringLiteral("/home/");
        for (const char *folder : {"HTMLFiles/graphics", "HTMLFiles/backgrnd", "save", "template"})
            ASSERT_TRUE(QDir().mkpath(home + QLatin1String(folder)));
        qputenv("ZORVIN_HOME", home.toLocal8Bit());
        // The program's settings key exists from its start on: the splash screen, which comes
        // before every main window, creates it. Without it every setting written would be lost.
        TZorvinReg::createProductKey();
    }

    void TearDown() override
    {
        if (window) {
            // Whatever the test did, the document and the build stage are left sound.
            EXPECT_EQ(window->document().selfCheck(), QStringList());
            EXPECT_EQ(find<TBuildStage>("pnlBuild")->selfCheck(), QStringList());
            // Nothing should be left to ask about when the test ends.
            window->page().setPageModified(false);
            window->close();
        }
        window.reset();
        EXPECT_TRUE(prompts.allAnswersUsed());
    }

    static void setSetting(const QString &name, const QString &value)
    {
        TempSettings::setGeneral(name, value);
    }
    static QString setting(const QString &name) { return TempSettings::general(name); }

    TfrmMain &open(const QString &startDocument = QString())
    {
        window = std::make_unique<TfrmMain>(startDocument);
        window->show();
        return *window;
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void trigger(const char *action) const { find<QAction>(action)->trigger(); }

    // A left click on the toolbar picture at x.
    void clickToolbar(int x, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(find("picToolbar"), button, Qt::NoModifier, QPoint(x, 40));
    }

    QString home;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmMain> window;

private:
    TempSettings m_settings;
    QTemporaryDir m_temp;
};
