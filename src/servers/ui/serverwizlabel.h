#pragma once

#include <QString>

class QLabel;
class QWidget;

// A word-wrapped label of the server wizard showing the numbered text id, named objectName.
// The texts are plain: a stored "&" or "<" is shown as it stands.
QLabel *ServerWizLabel(const QString &objectName, int id, QWidget *parent);
