#pragma once

#include "frmhelp.h"
#include "frmhelppopup.h"
#include "helpservice.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

// The help the program installs: full topics and the contents in the help window, pop-up topics
// in the pop-up window and the one-item "What's This?" menu, all made when first needed.
class TViewerHelpService final : public QObject, public THelpService {
    Q_OBJECT
public:
    // helpFolder holds the topic pages and ends with a separator; empty for the program folder's
    // help folder, looked up when help is first shown.
    explicit TViewerHelpService(const QString &helpFolder = QString(), QObject *parent = nullptr);
    ~TViewerHelpService() override;

    void ShowContents() override;
    void ShowTopic(int topic) override;
    void ShowPopupTopic(int topic, QPoint globalPosition) override;
    void ShowWhatsThis(int topic, QPoint globalPosition) override;

    // The last tag the "What's This?" menu was opened for; 1 until the first right click.
    int HelpContext() const { return m_helpContext; }
    // The windows, once made (tests look at them).
    TfrmHelp *helpWindow() const { return m_frmHelp; }
    TfrmHelpPopup *popupWindow() const { return m_frmPopup; }
    QMenu *whatsThisMenu() const { return m_popWhatsThis; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString helpFolder() const;
    TfrmHelp &helpWindowMade();
    void keepUsable(QWidget *window);
    void popMenWhatsThisClick();

    QString m_helpFolder;
    // Top-level windows without a parent: the service deletes them itself, unless the application
    // got there first at its end.
    QPointer<TfrmHelp> m_frmHelp;
    QPointer<TfrmHelpPopup> m_frmPopup;
    QPointer<QMenu> m_popWhatsThis;
    QPointer<QWidget> m_watchedModal;
    int m_helpContext = 1;
    QPoint m_whatsThisPosition;
};
