#pragma once

#include "webchunk.h"

#include <QPixmap>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

// A brick picture of the build stage, 95 by 22 pixels: one of the six toolbox images or a block
// of the page column. It shows its picture and reports the mouse; the canvas decides what a
// press, a move or a release means.
class TWebBlock : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 95;
    static constexpr int kHeight = 22;
    static constexpr int kColumnHelpTag = 11;

    enum class TLook { Plain, Highlighted };

    explicit TWebBlock(TBlockKind kind, QWidget *parent = nullptr);

    // The index of the shown chunk in the page and the slot of the column (0 to 7); -1 for a
    // toolbox image.
    int ChunkIndex = -1;
    int SlotIndex = -1;
    // The help topic of a column block; for a toolbox image its home top.
    int Tag = kColumnHelpTag;

    TBlockKind kind() const { return m_kind; }
    void setKind(TBlockKind kind);
    bool highlighted() const { return m_look == TLook::Highlighted; }
    void setLook(TLook look);
    // Shows the plain brick of the block's kind again.
    void ClearHighlight() { setLook(TLook::Plain); }

    // The shared brick picture of a kind ("Para" .. "Line", or "Para_H" .. "Line_H").
    static QPixmap BrickPicture(TBlockKind kind, TLook look);
    static QString BrickName(TBlockKind kind);
    // The kind's name as the brick shows it and a screen reader says it ("Paragraph").
    static QString KindName(TBlockKind kind);

signals:
    void mouseDown(TWebBlock *block, QMouseEvent *event);
    void mouseMove(TWebBlock *block, QMouseEvent *event);
    void mouseUp(TWebBlock *block, QMouseEvent *event);
    // A left-button press and release over the block; reported before the release itself.
    void clicked(TWebBlock *block);
    // A key was pressed while the block had the focus; the receiver accepts what it handles.
    void keyPressed(TWebBlock *block, QKeyEvent *event);
    // The menu keys asked for the block's menu while it had the focus; the mouse's right button is
    // reported through mouseDown and mouseUp instead.
    void menuRequested(TWebBlock *block, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    TBlockKind m_kind = bkPara;
    TLook m_look = TLook::Plain;
};
