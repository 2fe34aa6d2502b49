#pragma once

#include "mascotwalk.h"
#include "stage.h"

#include <QWidget>

class TArtPicture;

// The picture toolbar across the top of the main window (pnlTopBar): the toolbar picture
// (picToolbar) with one button per stage, and the highlight (picRedPill) laid over the button
// of the current stage.
class TStageToolbar : public QWidget {
    Q_OBJECT
public:
    enum class TArtwork { Standard, ProEditor };

    explicit TStageToolbar(QWidget *parent = nullptr);

    // Draws the clean toolbar picture, without the mascot.
    void drawToolbar(TArtwork artwork);
    // Gives the highlight the picture, width and left edge of target's button and shows it in
    // front.
    void showHighlight(TStage target, TArtwork artwork);
    void hideHighlight();
    // The button picture the highlight carries for target.
    static QString highlightPicture(TStage target, TArtwork artwork);

    // Draws the mascot over the toolbar at one step of its walk, blended in with its own
    // transparency; the clean toolbar drawn next takes it away again.
    void showMascot(const TMascotStep &step);
    // The mascot's picture for a step: facing its way, in one of its two walking poses.
    static QString mascotPicture(const TMascotStep &step);

    TArtPicture *picToolbar() const { return m_picToolbar; }
    TArtPicture *picRedPill() const { return m_picRedPill; }
    TArtPicture *picWindy() const { return m_picWindy; }

signals:
    // A mouse button was released over the toolbar picture, at x, y of the picture.
    void toolbarReleased(Qt::MouseButton button, int x, int y);

private:
    TArtPicture *m_picToolbar = nullptr;
    TArtPicture *m_picRedPill = nullptr;
    // The walking mascot; shown only during a walk.
    TArtPicture *m_picWindy = nullptr;
};
