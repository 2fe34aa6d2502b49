#pragma once

#include <QString>
#include <QWidget>

// A picture control that shows one of the program's named pictures (":/art/<Name>.svg" or
// ".png"), stretched to the control's size. Vector pictures are rendered at the screen's pixel
// density, so they stay crisp on high-density screens. A picture that the program does not
// carry leaves a quiet placeholder instead of an empty hole.
class TArtPicture : public QWidget {
    Q_OBJECT
public:
    explicit TArtPicture(const QString &objectName, QWidget *parent = nullptr);

    QString picture() const { return m_picture; }
    void setPicture(const QString &name);

    // True when the program carries a picture of that name.
    static bool hasPicture(const QString &name);

signals:
    void mousePressed(Qt::MouseButton button, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Drawn when the named picture is missing; the default is a soft framed box.
    virtual void paintPlaceholder(QPainter &painter);

private:
    QString m_picture;
};
