#include "stagetoolbar.h"

#include "artpicture.h"

namespace {

struct TButtonPlace {
    int width;
    int left;
};

// Where the highlight of each stage's button sits over the toolbar picture.
constexpr TButtonPlace kPlaces[] = {
    {146, 0},   // stChoose
    {170, 103}, // stBuild
    {170, 230}, // stPreview
    {170, 354}, // stSend
    {140, 481}, // stUploaded
};

constexpr int kToolbarWidth = 620;
constexpr int kToolbarHeight = 96;

} // namespace

TStageToolbar::TStageToolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlTopBar"));
    m_picToolbar = new TArtPicture(QStringLiteral("picToolbar"), this);
    m_picToolbar->setGeometry(0, 0, kToolbarWidth, kToolbarHeight);
    m_picToolbar->setCursor(Qt::PointingHandCursor);
    connect(m_picToolbar, &TArtPicture::mouseReleased, this,
            [this](Qt::MouseButton button, QPoint at) { emit toolbarReleased(button, at.x(), at.y()); });

    // The highlight only shows where the user is; clicks on it belong to the toolbar below.
    m_picRedPill = new TArtPicture(QStringLiteral("picRedPill"), this);
    m_picRedPill->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picRedPill->hide();

    // The mascot never takes a click either: the toolbar ignores clicks while it walks anyway.
    m_picWindy = new TArtPicture(QStringLiteral("picWindy"), this);
    m_picWindy->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picWindy->hide();
    drawToolbar(TArtwork::Standard);
}

void TStageToolbar::drawToolbar(TArtwork artwork)
{
    m_picToolbar->setPicture(artwork == TArtwork::ProEditor ? QStringLiteral("ZV4Toolbar")
                                                            : QStringLiteral("Toolbar"));
    m_picWindy->hide();
}

QString TStageToolbar::highlightPicture(TStage target, TArtwork artwork)
{
    const QString name = QStringLiteral("Toolbutt%1").arg(int(target) + 1);
    // The professional editor's toolbar has its own pictures for the last three buttons.
    if (artwork == TArtwork::ProEditor && target >= stPreview)
        return QStringLiteral("ZV4") + name;
    return name;
}

void TStageToolbar::showHighlight(TStage target, TArtwork artwork)
{
    const TButtonPlace place = kPlaces[int(target)];
    m_picRedPill->setPicture(highlightPicture(target, artwork));
    m_picRedPill->setGeometry(place.left, 0, place.width, kToolbarHeight);
    m_picRedPill->raise();
    m_picRedPill->update();
    m_picRedPill->show();
}

void TStageToolbar::hideHighlight()
{
    m_picRedPill->hide();
}

QString TStageToolbar::mascotPicture(const TMascotStep &step)
{
    const QString name =
        step.facing == TMascotFacing::Right ? QStringLiteral("Mascot") : QStringLiteral("MascotB");
    return step.pose == 0 ? name : name + QStringLiteral("Walk");
}

void TStageToolbar::showMascot(const TMascotStep &step)
{
    m_picWindy->setPicture(mascotPicture(step));
    m_picWindy->setGeometry(step.x, kMascotTop, kMascotWidth, kMascotHeight);
    m_picWindy->raise();
    m_picWindy->show();
    m_picWindy->repaint();
}
