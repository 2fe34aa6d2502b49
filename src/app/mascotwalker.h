#pragma once

#include "mascotwalk.h"
#include "stage.h"

#include <QObject>
#include <QString>

#include <functional>

class QEventLoop;
class QTimer;
class TStageToolbar;

// Walks the mascot along the toolbar from the stage where it last stopped to the stage being
// entered, one leg per stage passed, ten steps a leg, one tick of timMascot (25 ms) a step. The
// walk keeps the window alive by pumping events while it waits for each tick; the stage switch
// that calls it stays busy meanwhile, so toolbar clicks during the walk are ignored.
class TMascotWalker : public QObject {
    Q_OBJECT
public:
    explicit TMascotWalker(TStageToolbar *toolbar, QObject *parent = nullptr);
    ~TMascotWalker() override;

    // Walks to target with the glide sound; nothing happens when the mascot already stands there.
    void WalkTheMascot(TStage target);
    void MoveMascotUp(TStage from, TStage to);
    void MoveMascotDown(TStage from, TStage to);

    TStage MascotStage() const { return m_mascotStage; }
    bool isWalking() const { return m_walking; }

    // The sound player, PlayWave unless replaced (a test listens for the glide this way).
    void setSoundPlayer(std::function<bool(const QString &)> player) { m_playWave = std::move(player); }

signals:
    // The mascot has been drawn at its next step.
    void stepped(const TMascotStep &step);

private:
    void walkSteps(const std::vector<TMascotStep> &steps);
    // The step clock's tick: stops the clock and lets the waiting step go on.
    void timMascotTimer();

    TStageToolbar *m_toolbar = nullptr;
    QTimer *m_timMascot = nullptr;
    QEventLoop *m_waiting = nullptr;
    TStage m_mascotStage = stChoose;
    bool m_walking = false;
    std::function<bool(const QString &)> m_playWave;
};
