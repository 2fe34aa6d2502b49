#pragma once

#include <QString>

class QLabel;
class QWidget;

// A word-wrapped label of a wizard showing the numbered text id (none when id is negative), named
// objectName. The texts are plain: a stored "&" or "<" is shown as it stands.
QLabel *WizardLabel(const QString &objectName, int id, QWidget *parent);
