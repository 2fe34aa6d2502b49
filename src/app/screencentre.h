#pragma once

class QWidget;

// Places a top-level window in the middle of the available area of its screen (the primary
// screen when it has none yet). The program's main window and its fixed-size dialogs open there.
void CentreOnScreen(QWidget &window);
