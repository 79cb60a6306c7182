#pragma once
// Taking the foreground without waiting on another program. Activation tells
// the window that loses it synchronously; when that window's program has
// stopped answering (a hung target), we would wait with it for good.
#include <windows.h>

// True when the foreground window is ours, absent, or answers within a moment.
bool ForegroundAnswers();
// Brings window to the foreground unless the foreground program is hung;
// true when it did.
bool BringToForeground(HWND window);
// This program is the active application: the foreground window is one of ours.
bool ThisProgramIsActive();
