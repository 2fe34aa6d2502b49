#pragma once

#include <QPixmap>
#include <QWidget>

// The send stage's web, 420 x 210: a picture into which the web, its rotation and the upload
// animation are drawn frame by frame. It keeps what was drawn until the next drawing covers it,
// like a painted canvas, and is drawn at the screen's pixel density so it stays crisp.
class TWebCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 420;
    static constexpr int Height = 210;

    explicit TWebCanvas(QWidget *parent = nullptr);

    // Draws a named picture at (x, y) over what the canvas holds; the widget repaints later.
    void drawBitmap(const QString &name, int x, int y);
    // The names drawn since the canvas was last covered by a picture at (0, 0), oldest first.
    QStringList layers() const { return m_layers; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ensureCanvas();

    QPixmap m_canvas;
    QStringList m_layers;
};
