#pragma once

#include "frmstylewiz.h"
#include "qtprinters.h"
#include "scriptedprompts.h"
#include "stylesfile.h"
#include "tempsettings.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

// A program folder with "Styles.data" and an HTML folder in a temporary folder, a wizard over
// them shown offscreen, the settings store redirected and scripted answers for its dialogs.
class StyleWizardTest : public ::testing::Test, public TWindowDriver {
protected:
    static TStyleChunk style(const char *name, TColour back, const char *image = "")
    {
        TStyleChunk s;
        s.StyleName = name;
        s.BackImage = image;
        s.BackColour = back;
        return s;
    }
    static TStyleList threeStyles()
    {
        return {style("Ocean", 0x00804000), style("Desert", 0x0080C0FF, "backgrnd\\sand.gif"),
                style("Forest", 0x00008000)};
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_htmlFolder = m_folder.filePath(QStringLiteral("HTMLFiles"));
        ASSERT_TRUE(QDir().mkpath(m_htmlFolder + QStringLiteral("/backgrnd")));
    }

    // A scripted answer left over means a question the test expected was never asked.
    void TearDown() override { EXPECT_TRUE(m_prompts.allAnswersUsed()) << "a scripted answer was not used"; }

    QString programFolder() const { return m_folder.path(); }
    QString htmlFolder() const { return m_htmlFolder; }
    QString stylesPath() const { return StylesFilePath(m_folder.path()); }
    void writeStyles(const TStyleList &styles) { ASSERT_TRUE(WriteStylesToFile(stylesPath(), styles)); }
    void writeStylesBytes(const QByteArray &bytes)
    {
        QFile file(stylesPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray stylesBytes() const
    {
        QFile file(stylesPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TStyleList savedStyles() const
    {
        const TStylesRead read = LoadStyles(stylesPath());
        EXPECT_EQ(read.Status, TStylesReadStatus::Complete) << read.Error.toStdString();
        return read.Styles;
    }

    TfrmStyleWiz &open()
    {
        m_wizard = std::make_unique<TfrmStyleWiz>(programFolder(), htmlFolder());
        m_wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_wizard.get()));
        return *m_wizard;
    }
    TfrmStyleWiz &wizard() { return *m_wizard; }
    QWidget *drivenWindow() override { return m_wizard.get(); }

    // The object name of the page shown.
    QString page() { return child<QStackedWidget>("pagStyle")->currentWidget()->objectName(); }
    void typeName(const QString &text)
    {
        auto *edit = child<QLineEdit>("txtStyleName");
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void selectRow(int row)
    {
        auto *list = child<QListWidget>("lstStyles");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(list->currentRow(), row);
    }
    // From the first page in modify mode to the details of the style in row.
    void modifyStyle(int row)
    {
        click("radModify");
        click("NextButt");
        selectRow(row);
        click("NextButt");
        ASSERT_EQ(page(), "tab2");
    }
    QStringList listItems()
    {
        QStringList items;
        auto *list = child<QListWidget>("lstStyles");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    static QStringList names(const TStyleList &styles)
    {
        QStringList out;
        for (const TStyleChunk &s : styles)
            out << QString::fromLatin1(s.StyleName);
        return out;
    }

    TempSettings m_settings;
    ScriptedPrompts m_prompts;
    QTemporaryDir m_folder;
    QString m_htmlFolder;
    std::unique_ptr<TfrmStyleWiz> m_wizard;
};
