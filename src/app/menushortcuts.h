#pragma once

class QWidget;

// Gives the File menu's and the Help menu's everyday commands (New, Open, Save, Save As, Exit,
// Help Topics) the platform's standard key sequences, which the menus then show beside them.
// The actions are found by their object names among window's children.
void AssignMenuShortcuts(QWidget &window);
