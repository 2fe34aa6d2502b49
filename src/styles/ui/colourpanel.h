#pragma once

#include "stylechunk.h"

#include <QWidget>

// A colour swatch the user clicks to pick a colour: a rounded patch of the colour with a frame,
// a hand cursor, and a focus ring so that it can be reached with Tab and pressed with Space or
// Enter like a button.
class TColourPanel : public QWidget {
    Q_OBJECT
public:
    explicit TColourPanel(QWidget *parent = nullptr);

    TColour colour() const { return m_colour; }
    void setColour(TColour colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TColour m_colour = 0;
    bool m_hover = false;
};
