#include "wizardlabel.h"

#include "stringtable.h"

#include <QLabel>

QLabel *WizardLabel(const QString &objectName, int id, QWidget *parent)
{
    auto *label = new QLabel(id >= 0 ? LoadStr(id) : QString(), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
