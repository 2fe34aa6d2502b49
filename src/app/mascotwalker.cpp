#include "mascotwalker.h"

#include "playwave.h"
#include "stagetoolbar.h"
#include "testmode.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kStepMs = 25;

} // namespace

TMascotWalker::TMascotWalker(TStageToolbar *toolbar, QObject *parent)
    : QObject(parent), m_toolbar(toolbar), m_playWave(PlayWave)
{
    setObjectName(QStringLiteral("mascotWalker"));
    m_timMascot = new QTimer(this);
    m_timMascot->setObjectName(QStringLiteral("timMascot"));
    m_timMascot->setInterval(TimerInterval(kStepMs));
    connect(m_timMascot, &QTimer::timeout, this, &TMascotWalker::timMascotTimer);
}

TMascotWalker::~TMascotWalker()
{
    // A walk interrupted by the window's end must not wait for a clock that is gone.
    if (m_waiting)
        m_waiting->quit();
}

void TMascotWalker::WalkTheMascot(TStage target)
{
    if (target == m_mascotStage || m_walking)
        return;
    if (m_playWave)
        m_playWave(QStringLiteral("wavGlide"));
    if (target > m_mascotStage)
        MoveMascotUp(m_mascotStage, target);
    else
        MoveMascotDown(m_mascotStage, target);
}

void TMascotWalker::MoveMascotUp(TStage from, TStage to)
{
    if (from < to)
        walkSteps(MascotWalkSteps(from, to));
    m_mascotStage = to;
}

void TMascotWalker::MoveMascotDown(TStage from, TStage to)
{
    if (from > to)
        walkSteps(MascotWalkSteps(from, to));
    m_mascotStage = to;
}

void TMascotWalker::walkSteps(const std::vector<TMascotStep> &steps)
{
    QPointer<TMascotWalker> alive(this);
    m_walking = true;
    for (const TMascotStep &step : steps) {
        m_toolbar->showMascot(step);
        emit stepped(step);
        QEventLoop waiting;
        m_waiting = &waiting;
        m_timMascot->start();
        waiting.exec();
        if (!alive)
            return;
        m_waiting = nullptr;
    }
    // The mascot stays at the end of its walk until the stage switch redraws the clean toolbar.
    m_walking = false;
}

void TMascotWalker::timMascotTimer()
{
    m_timMascot->stop();
    if (m_waiting)
        m_waiting->quit();
}
