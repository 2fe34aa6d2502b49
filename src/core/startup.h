#pragma once

#include <QString>

// Start-up steps shared by the splash and the main window.

// Records the program file's full path under "General"/"Path" for other programs, and settles the
// "PlaySounds" switch: anything but "No" is rewritten as "Yes". Returns whether sounds are on (the
// check of the Sounds menu item).
bool ApplyStartupSettings();

// Whether the screen has 8 or fewer bits per pixel.
bool LowColourScreen();

// Whether a top-level window is one of the professional editor's main windows: its class name
// contains "TfrmMain" and its trimmed title begins with "Zorvin Professional" or "Zorvin4".
bool IsProEditorWindow(const QString &className, const QString &title);

// Whether a window of the professional editor is open. The desktops this program runs on beyond
// Windows offer no portable way to list other programs' top-level windows with their class names,
// so no editor window can be found and this is always false there.
bool ProEditorWindowOpen();
