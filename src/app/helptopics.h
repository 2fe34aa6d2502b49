#pragma once

#include <QStringList>

class QWidget;

// The help topics of the main window's controls, found by their object names. Each returns the
// names (or name patterns) that matched no control of the window, which lets a test notice a
// control renamed without its help.

// F1 topics.
QStringList AssignHelpContext(QWidget *window);
// "What's This?" topics of a right click.
QStringList AssignHelpTags(QWidget *window);
