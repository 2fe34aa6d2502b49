#pragma once

#include "frmserverwizard.h"
#include "scriptedprompts.h"
#include "serverstore.h"
#include "tempsettings.h"
#include "windowdriver.h"
#include "zorvinreg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

// A settings store in a temporary folder holding three servers, three ISP definitions, a wizard
// over them shown offscreen, and scripted answers for its dialogs.
class ServerWizardTest : public ::testing::Test, public TWindowDriver {
protected:
    static tWWWServerType server(const char *name)
    {
        tWWWServerType s;
        s.Name = QString::fromLatin1(name);
        s.Address = QStringLiteral("ftp.%1.test").arg(s.Name.toLower());
        s.Directory = QStringLiteral("www");
        s.UserName = QStringLiteral("user");
        s.Password = QStringLiteral("pw-") + s.Name;
        s.URL = QStringLiteral("http://%1.test/").arg(s.Name.toLower());
        return s;
    }
    static TISPList isps()
    {
        ISPDetails geo;
        geo.Name = QStringLiteral("GeoCities");
        geo.Address = QStringLiteral("ftp.geocities.com");
        geo.Directory = QStringLiteral("/");
        geo.URL = QStringLiteral("http://www.geocities.com/%neighbourhood%/%geonumber%/");
        ISPDetails open;
        open.Name = QStringLiteral("Open Host");
        open.Address = QStringLiteral("ftp.open.test");
        open.Directory = QStringLiteral("htdocs");
        open.URL = QStringLiteral("http://open.test/%login%/");
        open.Login = false;
        ISPDetails panel;
        panel.Name = QStringLiteral("Panel Host");
        panel.Directory = QStringLiteral("public_html");
        panel.URL = QStringLiteral("http://%domain%/~%login%/");
        panel.CreateDir = true;
        return {geo, open, panel};
    }

    void SetUp() override
    {
        TZorvinReg::createProductKey();
        m_serverList = {server("Alpha"), server("Bravo"), server("Charlie")};
        ASSERT_TRUE(SaveServers(m_serverList));
    }
    void TearDown() override { EXPECT_TRUE(m_prompts.allAnswersUsed()) << "a scripted answer was not used"; }

    TfrmServerWizard &open(const TISPList &definitions = isps())
    {
        m_wizard = std::make_unique<TfrmServerWizard>(m_serverList, definitions);
        m_wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_wizard.get()));
        return *m_wizard;
    }
    TfrmServerWizard &wizard() { return *m_wizard; }
    QWidget *drivenWindow() override { return m_wizard.get(); }

    QString page() { return child<QStackedWidget>("pagServer")->currentWidget()->objectName(); }
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }
    void type(const char *name, const QString &value)
    {
        auto *edit = child<QLineEdit>(name);
        edit->selectAll();
        if (value.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, value);
        ASSERT_EQ(edit->text(), value);
    }
    void chooseISP(const QString &name)
    {
        auto *box = child<QComboBox>("cmbServerType");
        const int index = box->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        box->setCurrentIndex(index);
    }
    void selectRow(int row)
    {
        auto *list = child<QListWidget>("lstServers");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(list->currentRow(), row);
    }
    QStringList listItems()
    {
        QStringList items;
        auto *list = child<QListWidget>("lstServers");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    static QStringList names(const TServerList &servers)
    {
        QStringList out;
        for (const tWWWServerType &s : servers)
            out << s.Name;
        return out;
    }

    TempSettings m_settings;
    ScriptedPrompts m_prompts;
    TServerList m_serverList;
    std::unique_ptr<TfrmServerWizard> m_wizard;
};
