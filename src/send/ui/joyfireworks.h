#pragma once

#include <QString>
#include <QWidget>

// The 160 x 160 picture of the Upload Successful dialog, showing one named frame of the
// fireworks at a time (nothing before the first).
class TJoyFireworks : public QWidget {
    Q_OBJECT
public:
    explicit TJoyFireworks(QWidget *parent = nullptr);

    QString frame() const { return m_frame; }
    void showFrame(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_frame;
};
