#include "tpaintsurface.h"

#include "tpageviewer.h"

#include <QMouseEvent>

TPaintSurface::TPaintSurface(TPageViewer *viewer) : QWidget(viewer), m_viewer(viewer)
{
    setObjectName(QStringLiteral("PaintSurface"));
    setMouseTracking(true);
    // Every pixel is painted from our own buffer; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusProxy(viewer);
}

void TPaintSurface::paintEvent(QPaintEvent *event)
{
    m_viewer->paintSurface(event->rect());
}

void TPaintSurface::mousePressEvent(QMouseEvent *event)
{
    m_viewer->setFocus(Qt::MouseFocusReason);
    m_viewer->surfaceMouseDown(event);
}

void TPaintSurface::mouseMoveEvent(QMouseEvent *event)
{
    m_viewer->surfaceMouseMove(event);
}

void TPaintSurface::mouseReleaseEvent(QMouseEvent *event)
{
    m_viewer->surfaceMouseUp(event);
}

void TPaintSurface::leaveEvent(QEvent *event)
{
    m_viewer->surfaceLeave();
    QWidget::leaveEvent(event);
}
