#include "sendweb.h"

#include "playwave.h"
#include "stringtable.h"
#include "testmode.h"
#include "webcanvas.h"
#include "websprite.h"
#include "webtour.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int kFlashMs = 500;
constexpr int kUploadFrameMs = 50;
constexpr int kRotateFrameMs = 250;

// Where the frames of the upload animation are drawn, from the page's place at the top right of
// the web to the middle of the web, where the page lands under the magnifier.
struct TFramePlace {
    int x;
    int y;
};
constexpr TFramePlace kUploadFrames[] = {
    {294, 24}, {309, 73}, {306, 73}, {305, 72}, {287, 72}, {271, 71}, {268, 71}, {247, 72}, {206, 64},
};
constexpr int kUploadFrameCount = int(std::size(kUploadFrames));
// The turning part of the web is drawn over its middle; the rest of the picture stays.
constexpr int kRotateLeft = 72;
constexpr int kRotateFrames = 4;

// The place of the flashing page is that of the first animation frame, so the page lifts off
// where it stood.
constexpr TFramePlace kPagePlace = kUploadFrames[0];
// The pictures under the magnifier are centred on its lens.
constexpr int kLensX = 210;
constexpr int kLensY = 92;

} // namespace

TSendWeb::TSendWeb(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlWeb"));
    setFixedSize(TWebCanvas::Width, TWebCanvas::Height);
    imgWebBack = new TWebCanvas(this);
    imgWebBack->move(0, 0);
    imgWebBack->drawBitmap(QStringLiteral("Web_Back"), 0, 0);

    for (size_t i = 0; i < sights.size(); ++i) {
        const TWebSight &sight = WebSights()[i];
        auto *picture = new TWebSprite(QLatin1String(sight.objectName), QLatin1String(sight.bitmap), this);
        picture->move(kLensX - picture->width() / 2, kLensY - picture->height() / 2);
        picture->hide();
        // Each picture is named by what the magnifier says about it.
        picture->setAccessibleName(MagnifierText(int(i)).simplified());
        connect(picture, &TWebSprite::clicked, this, [this, i] { emit sightClicked(int(i)); });
        sights[i] = picture;
    }

    lblMag = new QLabel(this);
    lblMag->setObjectName(QStringLiteral("lblMag"));
    lblMag->setAlignment(Qt::AlignCenter);
    lblMag->setGeometry(76, 186, 268, 20);

    imgUpload = new TWebSprite(QStringLiteral("imgUpload"), QStringLiteral("Web_Page"), this);
    imgUpload->move(kPagePlace.x, kPagePlace.y);

    imgUploadLeft = new TWebSprite(QStringLiteral("imgUploadLeft"), QStringLiteral("Web_LeftUp"), this);
    imgUploadLeft->move(10, 144);
    imgUploadRight = new TWebSprite(QStringLiteral("imgUploadRight"), QStringLiteral("Web_RightUp"), this);
    imgUploadRight->move(width() - 10 - imgUploadRight->width(), 144);
    lblRotateLeft = rotateLabel("lblRotateLeft", imgUploadLeft->geometry().center().x());
    lblRotateRight = rotateLabel("lblRotateRight", imgUploadRight->geometry().center().x());
    imgUpload->setAccessibleName(QStringLiteral("Upload the Web Page"));
    imgUploadLeft->setAccessibleName(LoadStr(5003).trimmed() + QStringLiteral(" Left"));
    imgUploadRight->setAccessibleName(LoadStr(5003).trimmed() + QStringLiteral(" Right"));
    // The keyboard goes as the eye does: the page that starts the upload, then round the web from
    // the left arrow over the picture under the magnifier to the right arrow. Only the one picture
    // that is shown under the magnifier is visited.
    QWidget::setTabOrder(imgUpload, imgUploadLeft);
    QWidget *previous = imgUploadLeft;
    for (TWebSprite *sight : sights) {
        QWidget::setTabOrder(previous, sight);
        previous = sight;
    }
    QWidget::setTabOrder(previous, imgUploadRight);

    connect(imgUploadLeft, &TWebSprite::clicked, this, &TSendWeb::imgUploadLeftClick);
    connect(imgUploadRight, &TWebSprite::clicked, this, &TSendWeb::imgUploadRightClick);
    connect(imgUploadLeft, &TWebSprite::leftPressed, this,
            [this] { imgUploadLeft->setPicture(QStringLiteral("Web_LeftDn")); });
    connect(imgUploadLeft, &TWebSprite::leftReleased, this,
            [this] { imgUploadLeft->setPicture(QStringLiteral("Web_LeftUp")); });
    connect(imgUploadRight, &TWebSprite::leftPressed, this,
            [this] { imgUploadRight->setPicture(QStringLiteral("Web_RightDn")); });
    connect(imgUploadRight, &TWebSprite::leftReleased, this,
            [this] { imgUploadRight->setPicture(QStringLiteral("Web_RightUp")); });

    auto timer = [this](const char *name, int ms, void (TSendWeb::*slot)()) {
        auto *t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(TimerInterval(ms));
        connect(t, &QTimer::timeout, this, slot);
        return t;
    };
    timFlashPage = timer("timFlashPage", kFlashMs, &TSendWeb::timFlashPageTimer);
    timUpload = timer("timUpload", kUploadFrameMs, &TSendWeb::timUploadTimer);
    timWebAn = timer("timWebAn", kRotateFrameMs, &TSendWeb::timWebAnTimer);
}

QLabel *TSendWeb::rotateLabel(const char *name, int centreX)
{
    auto *label = new QLabel(LoadStr(5003), this);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(centreX - 40, 180, 80, 18);
    return label;
}

void TSendWeb::enterStage()
{
    m_webIndex = -1;
    hideSights();
    lblMag->clear();
    imgUpload->setPicture(QStringLiteral("Web_Page"));
    imgUpload->show();
    timFlashPage->start();
}

void TSendWeb::leaveStage()
{
    timFlashPage->stop();
}

bool TSendWeb::isFlashing() const
{
    return timFlashPage->isActive();
}

void TSendWeb::timFlashPageTimer()
{
    const bool lit = imgUpload->picture() == QLatin1String("Web_PageFlash");
    imgUpload->setPicture(lit ? QStringLiteral("Web_Page") : QStringLiteral("Web_PageFlash"));
}

// ---- the upload animation ----

void TSendWeb::startUploadAnimation()
{
    m_uploadFrame = 0;
    timUpload->start();
}

bool TSendWeb::isAnimatingUpload() const
{
    return timUpload->isActive();
}

void TSendWeb::timUploadTimer()
{
    imgWebBack->setUpdatesEnabled(false);
    imgWebBack->drawBitmap(QStringLiteral("Web_Back"), 0, 0);
    if (m_uploadFrame < kUploadFrameCount) {
        if (m_uploadFrame == 0) {
            imgUpload->hide();
            PlayWave(QStringLiteral("wavUpload"));
        }
        const TFramePlace place = kUploadFrames[m_uploadFrame];
        imgWebBack->drawBitmap(QStringLiteral("Web_Upload%1").arg(m_uploadFrame + 1), place.x, place.y);
        ++m_uploadFrame;
        imgWebBack->setUpdatesEnabled(true);
        return;
    }
    // The page has reached the web: the animation is over and the upload itself starts.
    m_uploadFrame = 0;
    timUpload->stop();
    imgWebBack->setUpdatesEnabled(true);
    imgWebBack->repaint();
    emit uploadAnimationDone();
}

void TSendWeb::uploadEnded(bool succeeded)
{
    if (succeeded) {
        m_uploaded = true;
        m_webIndex = YourPageIndex;
        DisplayMagnifier();
    } else {
        imgUpload->show();
    }
    imgWebBack->update();
}

// ---- turning the web ----

void TSendWeb::imgUploadLeftClick()
{
    rotate(true);
}

void TSendWeb::imgUploadRightClick()
{
    rotate(false);
}

void TSendWeb::rotate(bool left)
{
    m_rotateLeft = left;
    timWebAn->start();
    PlayWave(QStringLiteral("wavWebTurn"));
}

bool TSendWeb::isRotating() const
{
    return timWebAn->isActive();
}

void TSendWeb::timWebAnTimer()
{
    MoveWeb(m_rotateLeft);
}

void TSendWeb::MoveWeb(bool left)
{
    imgWebBack->setUpdatesEnabled(false);
    ++m_rotateFrame;
    if (m_rotateFrame == 1)
        hideSights();
    if (m_rotateFrame <= kRotateFrames) {
        // Turning right shows the frames forwards, turning left backwards.
        const int picture = left ? kRotateFrames + 1 - m_rotateFrame : m_rotateFrame;
        imgWebBack->drawBitmap(QStringLiteral("Web_Rotate%1").arg(picture), kRotateLeft, 0);
    } else {
        imgWebBack->drawBitmap(QStringLiteral("Web_Back"), 0, 0);
        m_rotateFrame = 0;
        timWebAn->stop();
        m_webIndex += left ? -1 : 1;
        DisplayMagnifier();
    }
    imgWebBack->setUpdatesEnabled(true);
    imgWebBack->repaint();
}

// ---- the magnifier ----

void TSendWeb::hideSights()
{
    for (TWebSprite *sight : sights)
        sight->hide();
}

void TSendWeb::DisplayMagnifier()
{
    m_webIndex = WebIndexInRange(m_webIndex, m_uploaded);
    hideSights();
    TWebSprite *sight = sights[size_t(m_webIndex)];
    sight->show();
    sight->raise();
    lblMag->setText(MagnifierText(m_webIndex));
}
