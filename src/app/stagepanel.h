#pragma once

#include <QFrame>

class QLabel;
class QVBoxLayout;

// The common frame of the four stage panels: the stage's welcome title and its explaining text
// on a light card, with room below for the stage's own controls. Each stage panel is its own
// class derived from this one.
class TStagePanel : public QFrame {
    Q_OBJECT
public:
    TStagePanel(const QString &objectName, const QString &title, const QString &text,
                QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // The stage's own controls go here, below the title and the text.
    QVBoxLayout *contentLayout() const { return m_content; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *textLabel() const { return m_text; }

private:
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QVBoxLayout *m_content = nullptr;
};
