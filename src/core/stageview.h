#pragma once

#include "stage.h"

class QWidget;

// One stage of the main window as the stage switch sees it. Each stage panel implements it; the
// window shows the current stage's widget and asks the stages before it switches:
//
//   1. mayLeave on the stage being left, whatever the target (even the same stage);
//   2. mayEnter on the target;
//   3. if both agree: leave on the stage being left, then enter on the target.
//
// A refusal in 1 or 2 changes nothing. Questions a refusal depends on are asked in 1 and 2.
class TStageView {
public:
    virtual ~TStageView() = default;

    // The widget the window shows while this stage is current.
    virtual QWidget *stageWidget() = 0;

    // Work that has to happen before any switch away from this stage, and the check whether the
    // user lets it go; false keeps the stage.
    virtual bool mayLeave(TStage /*target*/) { return true; }
    // Whether the stage may be entered now, asking the user where needed; false keeps the
    // current stage.
    virtual bool mayEnter(TStage /*from*/) { return true; }
    // The switch goes ahead: this stage is left for target.
    virtual void leave(TStage /*target*/) {}
    // The switch goes ahead: this stage becomes current and shows what it has to show.
    virtual void enter(TStage from) = 0;
};
