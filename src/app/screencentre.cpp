#include "screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is known only once a window has been shown; before that the client area stands
    // for the whole window, which is off by no more than the title bar.
    const QSize outer = window.isVisible() ? window.frameGeometry().size() : window.size();
    const QRect placed =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, screen->availableGeometry());
    window.move(placed.topLeft());
}
