#include "stylewizlabel.h"

#include "stringtable.h"

#include <QLabel>

QLabel *StyleWizLabel(const QString &objectName, int id, QWidget *parent)
{
    auto *label = new QLabel(LoadStr(id), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
