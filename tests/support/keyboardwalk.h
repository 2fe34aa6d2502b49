#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Helpers for tests that drive a window with the keyboard alone, as a user without a mouse does.
namespace KeyboardWalk {

// The widgets the Tab key visits from start (given the focus first) until the focus comes round
// to start again, or stops on nothing; start is the first entry.
QList<QWidget *> TabStops(QWidget *start);

// The object names of widgets, in order, for readable comparisons.
QStringList ObjectNames(const QList<QWidget *> &widgets);

// What a screen reader announces as the widget's name (empty when it has none).
QString AccessibleName(QWidget *widget);

} // namespace KeyboardWalk
