#pragma once

#include <QWidget>

class TPageViewer;

// The viewer's drawing area. It owns nothing: painting and the mouse go straight to the viewer,
// which knows the document and the scroll position.
class TPaintSurface : public QWidget {
    Q_OBJECT
public:
    explicit TPaintSurface(TPageViewer *viewer);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TPageViewer *m_viewer = nullptr;
};
