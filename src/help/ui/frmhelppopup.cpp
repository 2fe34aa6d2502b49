#include "frmhelppopup.h"

#include "helppagestyle.h"
#include "helpservice.h"
#include "tpageviewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

TfrmHelpPopup::TfrmHelpPopup(const QString &helpFolder, QWidget *parent)
    : QFrame(parent, Qt::Popup), m_helpFolder(helpFolder)
{
    setObjectName(QStringLiteral("frmHelpPopup"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    m_ctlPopup = new TPageViewer(this);
    m_ctlPopup->setObjectName(QStringLiteral("ctlPopup"));
    PrepareHelpViewer(*m_ctlPopup);
    m_ctlPopup->SetScrollBars(TScrollStyle::ssVertical);
    // The pop-up shows one topic at a time; reading on happens in the help window.
    m_ctlPopup->OnLinkClick = [this](TPageViewer *viewer, const QString &url, bool &handled) {
        handled = true;
        if (OpenOutsideLink(url)) {
            close();
            return;
        }
        const QString name = url.section(QLatin1Char('#'), 0, 0);
        if (name.isEmpty())
            return;
        const QString file = viewer->ExpandLinkFilename(name);
        close();
        emit pageRequested(file);
    };
    layout->addWidget(m_ctlPopup);
}

void TfrmHelpPopup::ShowTopic(int topic, QPoint globalPosition)
{
    m_topic = topic;
    const QString file = HelpTopicFile(m_helpFolder, topic);
    resize(kWidth, kMaxHeight);
    if (QFileInfo(file).isFile())
        m_ctlPopup->LoadFromFile(file);
    else
        m_ctlPopup->LoadLines(MissingTopicPage(file));
    // As tall as the topic needs, up to a limit beyond which it scrolls.
    const int height = std::clamp(m_ctlPopup->DocumentHeight() + 2 * frameWidth() + 4, 60, kMaxHeight);
    resize(kWidth, height);

    move(globalPosition);
    show();
    // Placed once shown, when the layout has settled the window's real size.
    QPoint at = globalPosition;
    // A point off every screen (a control scrolled away) falls back to the main screen.
    const QScreen *screen = QGuiApplication::screenAt(globalPosition);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    move(at);
    m_ctlPopup->setFocus();
}

void TfrmHelpPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}
