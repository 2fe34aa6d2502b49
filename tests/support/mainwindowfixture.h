#pragma once

// A fresh main window for every test, with the program folder and the settings store redirected
// into a temporary folder and ScriptedPrompts answering every question. Header-only, so only
// the test programs that include it need the main window's library.

#include "frmmain.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QDir>
#include <QSettings>
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
        qputenv("XDG_CONFIG_HOME", (m_temp.path() + QStringLiteral("/config")).toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_temp.path() + QStringLiteral("/config"));
        // The File Save Information dialog is modal; tests that want it switch it back on.
        setSetting(QStringLiteral("SaveInfo"), QStringLiteral("No"));
    }

    void TearDown() override
    {
        if (window) {
            // Nothing should be left to ask about when the test ends.
            window->page().setPageModified(false);
            window->close();
        }
        window.reset();
        EXPECT_TRUE(prompts.allAnswersUsed());
    }

    static void setSetting(const QString &name, const QString &value)
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                        QStringLiteral("Zorvin Express"));
        store.setValue(QStringLiteral("General/") + name, value);
    }
    static QString setting(const QString &name)
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                        QStringLiteral("Zorvin Express"));
        return store.value(QStringLiteral("General/") + name).toString();
    }

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
    QTemporaryDir m_temp;
};
