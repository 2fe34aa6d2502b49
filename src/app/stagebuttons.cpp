#include "stagebuttons.h"

#include "keybutton.h"

#include <QEvent>
#include <QWidget>

namespace {

struct TStageZone {
    TStage stage;
    const char *objectName;
    const char *name; // the word the toolbar picture shows
    int left;
    int width;
};

// The zones the toolbar's mouse clicks use: 140 pixels each, the send zone ending at 480.
constexpr TStageZone kZones[] = {
    {stChoose, "btnStageChoose", "Choose", 0, 140},
    {stBuild, "btnStageBuild", "Build", 140, 140},
    {stPreview, "btnStagePreview", "Preview", 280, 140},
    {stSend, "btnStageSend", "Send", 420, 61},
};

} // namespace

TStageButtons::TStageButtons(QWidget *toolbar) : QObject(toolbar)
{
    for (const TStageZone &zone : kZones) {
        auto *button = new TKeyButton(QLatin1String(zone.objectName), QLatin1String(zone.name), toolbar);
        button->setGeometry(zone.left, 0, zone.width, toolbar->height());
        button->raise();
        const TStage stage = zone.stage;
        connect(button, &QAbstractButton::clicked, this, [this, stage] { emit stageChosen(stage); });
        m_buttons.push_back(button);
    }
    // The highlight is brought to the front at every stage switch; the focus ring must stay
    // above it.
    for (QWidget *picture : toolbar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<TKeyButton *>(picture))
            picture->installEventFilter(this);
    }
}

bool TStageButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange || event->type() == QEvent::Show) {
        for (QWidget *button : m_buttons)
            button->raise();
    }
    return QObject::eventFilter(watched, event);
}
