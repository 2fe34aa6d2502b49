#pragma once

#include "stage.h"

#include <QObject>

#include <vector>

class QWidget;

// The four stages of the picture toolbar as keyboard buttons, one over each stage's zone of the
// toolbar picture, in the toolbar's order, named after the stage for a screen reader.
class TStageButtons : public QObject {
    Q_OBJECT
public:
    // toolbar is the widget that holds the toolbar picture at its top left.
    explicit TStageButtons(QWidget *toolbar);

signals:
    void stageChosen(TStage stage);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<QWidget *> m_buttons;
};
