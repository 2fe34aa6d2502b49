#pragma once

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

    // Draws the clean toolbar picture.
    void drawToolbar(TArtwork artwork);
    // Gives the highlight the picture, width and left edge of target's button and shows it in
    // front.
    void showHighlight(TStage target, TArtwork artwork);
    void hideHighlight();
    // The button picture the highlight carries for target.
    static QString highlightPicture(TStage target, TArtwork artwork);

    TArtPicture *picToolbar() const { return m_picToolbar; }
    TArtPicture *picRedPill() const { return m_picRedPill; }

signals:
    // A mouse button was released over the toolbar picture, at x, y of the picture.
    void toolbarReleased(Qt::MouseButton button, int x, int y);

private:
    TArtPicture *m_picToolbar = nullptr;
    TArtPicture *m_picRedPill = nullptr;
};
