#pragma once

#include "mainwindowfixture.h"
#include "sendpanel.h"
#include "sendstage.h"
#include "sendweb.h"
#include "serverstore.h"
#include "stringtable.h"
#include "testftpserver.h"
#include "websprite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QUrl>

// Stands in for the user's browser: the desktop hands it every local file the program opens.
class TBrowserRecorder : public QObject {
    Q_OBJECT
public:
    TBrowserRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl"); }
    ~TBrowserRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl &url) { opened << url; }
};

// The main window on its send stage with a saved page "My Page" that shows the logo button, and
// the user's servers stored before the window starts.
class SendStageTest : public MainWindowFixture {
protected:
    static tWWWServerType server(const QString &name,
                                 const QString &address = QStringLiteral("ftp.example.test"))
    {
        tWWWServerType s;
        s.Name = name;
        s.Address = address;
        s.Directory = QStringLiteral("site");
        s.UserName = QString::fromLatin1(TTestFtpServer::User);
        s.Password = QString::fromLatin1(TTestFtpServer::Password);
        s.URL = QStringLiteral("http://pages.example.test/~anna/");
        return s;
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile file(home + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString &relative) const
    {
        QFile file(home + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens the window with servers stored, if any are given, and goes to the send stage, saving the page
    // first.
    TfrmMain &openOnSendStage(const TServerList &servers)
    {
        // An empty list leaves the store as the test made it.
        if (!servers.isEmpty()) {
            EXPECT_TRUE(SaveServers(servers));
        }
        writeFile(QStringLiteral("HTMLFiles/graphics/button.gif"), QByteArray("GIF89a\r\n\x01\x02\n", 11));
        TfrmMain &w = open();
        prompts.chooseFile(home + QStringLiteral("save/My Page.zve"));
        clickToolbar(450);
        EXPECT_EQ(w.CurrentStage(), stSend);
        // What was asked on the way in (the save question first); the test starts afresh.
        enterAsked = prompts.asked();
        EXPECT_EQ(enterAsked.value(0).text, LoadStr(100));
        prompts.clear();
        return w;
    }

    QList<ScriptedPrompts::Asked> enterAsked;

    TSendStage *stage() const { return find<TSendPanel>("pnlSend")->stage(); }
    TSendWeb *web() const { return stage()->web(); }
    QStringList files() const
    {
        QStringList lines;
        for (int i = 0; i < stage()->lstFiles->count(); ++i)
            lines << stage()->lstFiles->item(i)->text();
        return lines;
    }
    QStringList serverNames() const
    {
        QStringList names;
        for (int i = 0; i < stage()->cmbServers->count(); ++i)
            names << stage()->cmbServers->itemText(i);
        return names;
    }
    // A user's click in the middle of a control.
    static void click(QWidget *widget)
    {
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // Clicks the flashing page and waits until the animation and the upload are over.
    void upload()
    {
        click(web()->imgUpload);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !web()->isAnimatingUpload(); }, 60000));
    }
};
