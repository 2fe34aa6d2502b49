#pragma once

#include <QAbstractButton>

// The keyboard's way to a picture that acts as a button (a stage of the toolbar, the exit
// button). It lies over the picture without drawing anything but a ring while it has the focus;
// the mouse goes through it to the picture below, which keeps its own pressed looks. Space or
// Enter clicks it. Its text is the name a screen reader gives the picture. The menu keys ask for
// the picture's menu, which the mouse's right button opens on the picture itself.
class TKeyButton : public QAbstractButton {
    Q_OBJECT
public:
    TKeyButton(const QString &objectName, const QString &name, QWidget *parent = nullptr);

signals:
    void menuRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
