#pragma once

#include <QString>
#include <QWidget>

// A small picture of the send stage's web that shows one of the program's named pictures at its
// own size and reports clicks: the flashing page, the rotate arrows and the pictures under the
// magnifier. A click is a left-button press and release inside the picture. The keyboard reaches
// it with Tab, where a ring shows that it has the focus, and Space or Enter clicks it; its
// accessible name is what a screen reader says for it.
class TWebSprite : public QWidget {
    Q_OBJECT
public:
    TWebSprite(const QString &objectName, const QString &picture, QWidget *parent = nullptr);

    QString picture() const { return m_picture; }
    void setPicture(const QString &name);

signals:
    void clicked();
    void leftPressed();
    void leftReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_picture;
};
