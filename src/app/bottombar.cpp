#include "bottombar.h"

#include "artpicture.h"
#include "helpservice.h"
#include "keybutton.h"
#include "stringtable.h"

namespace {

constexpr int kViewTopic = 76;
constexpr int kExitTopic = 87;
constexpr int kButtonWidth = 44;
constexpr int kButtonHeight = 41;
constexpr int kLogoWidth = 160;
constexpr int kLowerWidth = 560;

} // namespace

TBottomBar::TBottomBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameShape(QFrame::NoFrame);

    m_pnlLower = new QWidget(this);
    m_pnlLower->setObjectName(QStringLiteral("pnlLower"));
    m_pnlLower->resize(kLowerWidth, kHeight);

    const int top = (kHeight - kButtonHeight) / 2;
    m_imgView = new TArtPicture(QStringLiteral("imgView"), m_pnlLower);
    m_imgView->setGeometry(0, top, kButtonWidth, kButtonHeight);
    m_imgLogo = new TArtPicture(QStringLiteral("imgLogo"), m_pnlLower);
    m_imgLogo->setGeometry((kLowerWidth - kLogoWidth) / 2, top, kLogoWidth, kButtonHeight);
    m_imgLogo->setPicture(QStringLiteral("Logo"));
    m_imgExit = new TArtPicture(QStringLiteral("imgExit"), m_pnlLower);
    m_imgExit->setGeometry(kLowerWidth - kButtonWidth, top, kButtonWidth, kButtonHeight);
    m_imgExit->setPicture(QStringLiteral("Exit_Up"));
    m_imgExit->setToolTip(LoadStr(5060));
    m_imgExit->setCursor(Qt::PointingHandCursor);

    // The keyboard reaches the two buttons too; the enlarge button only while it acts.
    m_btnView = new TKeyButton(QStringLiteral("btnView"), QStringLiteral("Enlarge preview"), m_pnlLower);
    m_btnView->setGeometry(m_imgView->geometry());
    m_btnExit = new TKeyButton(QStringLiteral("btnExit"), QStringLiteral("Exit"), m_pnlLower);
    m_btnExit->setGeometry(m_imgExit->geometry());
    connect(m_btnView, &QAbstractButton::clicked, this, &TBottomBar::viewClicked);
    connect(m_btnExit, &QAbstractButton::clicked, this, &TBottomBar::exitClicked);
    connect(m_btnView, &TKeyButton::menuRequested, this,
            [](QPoint at) { THelpService::current().ShowWhatsThis(kViewTopic, at); });
    connect(m_btnExit, &TKeyButton::menuRequested, this,
            [](QPoint at) { THelpService::current().ShowWhatsThis(kExitTopic, at); });
    setViewMode(TViewMode::Inactive);

    connect(m_imgView, &TArtPicture::mousePressed, this, &TBottomBar::imgViewMouseDown);
    connect(m_imgView, &TArtPicture::mouseReleased, this, &TBottomBar::imgViewMouseUp);
    connect(m_imgExit, &TArtPicture::mousePressed, this, &TBottomBar::imgExitMouseDown);
    connect(m_imgExit, &TArtPicture::mouseReleased, this, &TBottomBar::imgExitMouseUp);
}

void TBottomBar::setViewMode(TViewMode mode)
{
    m_viewMode = mode;
    m_imgView->setPicture(mode == TViewMode::Inactive ? QStringLiteral("Max_Dis") : viewPicture(false));
    // The inactive button explains nothing, so it shows no hint.
    m_imgView->setToolTip(mode == TViewMode::Inactive ? QString() : LoadStr(5059));
    m_btnView->setEnabled(mode != TViewMode::Inactive);
    const QString name = mode == TViewMode::Enlarged ? QStringLiteral("Restore preview size")
                                                     : QStringLiteral("Enlarge preview");
    m_btnView->setText(name);
    m_btnView->setAccessibleName(name);
}

void TBottomBar::centreLower()
{
    m_pnlLower->move((width() - m_pnlLower->width()) / 2, 0);
}

void TBottomBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    centreLower();
}

QString TBottomBar::viewPicture(bool pressed) const
{
    const bool enlarged = m_viewMode == TViewMode::Enlarged;
    if (pressed)
        return enlarged ? QStringLiteral("Min_Dn") : QStringLiteral("Max_Dn");
    return enlarged ? QStringLiteral("Min_Up") : QStringLiteral("Max_Up");
}

void TBottomBar::imgViewMouseDown(Qt::MouseButton button, QPoint position)
{
    if (button == Qt::RightButton) {
        THelpService::current().ShowWhatsThis(kViewTopic, m_imgView->mapToGlobal(position));
        return;
    }
    if (button == Qt::LeftButton && m_viewMode != TViewMode::Inactive)
        m_imgView->setPicture(viewPicture(true));
}

void TBottomBar::imgViewMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::LeftButton || m_viewMode == TViewMode::Inactive)
        return;
    m_imgView->setPicture(viewPicture(false));
    if (m_imgView->rect().contains(position))
        emit viewClicked();
}

void TBottomBar::imgExitMouseDown(Qt::MouseButton button, QPoint position)
{
    if (button == Qt::RightButton) {
        THelpService::current().ShowWhatsThis(kExitTopic, m_imgExit->mapToGlobal(position));
        return;
    }
    if (button == Qt::LeftButton)
        m_imgExit->setPicture(QStringLiteral("Exit_Dn"));
}

void TBottomBar::imgExitMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::LeftButton)
        return;
    m_imgExit->setPicture(QStringLiteral("Exit_Up"));
    if (m_imgExit->rect().contains(position))
        emit exitClicked();
}
