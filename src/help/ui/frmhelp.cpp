#include "frmhelp.h"

#include "helppagestyle.h"
#include "helpservice.h"
#include "tpageviewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *navigationButton(const QString &name, const QString &text, Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolButtonStyle(arrow == Qt::NoArrow ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TfrmHelp::TfrmHelp(const QString &helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_helpFolder(helpFolder)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Zorvin Express Help"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    m_btnContents =
        navigationButton(QStringLiteral("btnContents"), QStringLiteral("&Contents"), Qt::NoArrow, this);
    m_btnBack = navigationButton(QStringLiteral("btnBack"), QStringLiteral("&Back"), Qt::LeftArrow, this);
    m_btnForward =
        navigationButton(QStringLiteral("btnForward"), QStringLiteral("&Forward"), Qt::RightArrow, this);
    bar->addWidget(m_btnContents);
    bar->addWidget(m_btnBack);
    bar->addWidget(m_btnForward);
    bar->addStretch(1);
    layout->addLayout(bar);

    m_ctlHelp = new TPageViewer(this);
    m_ctlHelp->setObjectName(QStringLiteral("ctlHelp"));
    PrepareHelpViewer(*m_ctlHelp);
    m_ctlHelp->SetHistoryLimit(50);
    m_ctlHelp->OnHistoryChange = [this](TPageViewer *) { updateButtons(); };
    m_ctlHelp->OnLinkClick = [](TPageViewer *, const QString &url, bool &handled) {
        handled = OpenOutsideLink(url);
    };
    layout->addWidget(m_ctlHelp, 1);

    connect(m_btnContents, &QToolButton::clicked, this, &TfrmHelp::ShowContents);
    connect(m_btnBack, &QToolButton::clicked, this, [this] { m_ctlHelp->GoBack(); });
    connect(m_btnForward, &QToolButton::clicked, this, [this] { m_ctlHelp->GoForward(); });
    // A link to a topic that is missing leaves the page shown and says so in the title bar.
    connect(m_ctlHelp, &TPageViewer::loadError, this, [this](const TViewerError &error) {
        setWindowTitle(QStringLiteral("Zorvin Express Help - ") + error.Message);
    });

    resize(560, 520);
    updateButtons();
}

void TfrmHelp::ShowContents()
{
    showFile(HelpTopicFile(m_helpFolder, 0));
}

void TfrmHelp::ShowTopic(int topic)
{
    showFile(HelpTopicFile(m_helpFolder, topic));
}

void TfrmHelp::ShowPage(const QString &file)
{
    showFile(file);
}

void TfrmHelp::showFile(const QString &file)
{
    // Asking again for the page shown only brings the window forward, so the history does not fill
    // up with copies of one page.
    if (QFileInfo(file).isFile()) {
        if (file != m_ctlHelp->CurrentFile())
            m_ctlHelp->LoadFromFile(file);
    } else {
        m_ctlHelp->LoadLines(MissingTopicPage(file));
    }
    setWindowTitle(QStringLiteral("Zorvin Express Help"));
    updateButtons();
    show();
    raise();
    activateWindow();
}

void TfrmHelp::updateButtons()
{
    // The history lists the newest page first: back is a higher index, forward a lower one.
    const TViewerHistory &history = m_ctlHelp->History();
    m_btnBack->setEnabled(history.Index() >= 0 && history.Index() + 1 < history.Count());
    m_btnForward->setEnabled(history.Index() > 0);
}

void TfrmHelp::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->modifiers() & Qt::AltModifier) {
        if (event->key() == Qt::Key_Left) {
            m_ctlHelp->GoBack();
            return;
        }
        if (event->key() == Qt::Key_Right) {
            m_ctlHelp->GoForward();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
