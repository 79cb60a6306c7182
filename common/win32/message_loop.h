#pragma once
// A program's main message loop: runs until WM_QUIT and answers its exit code.
int RunMessageLoop();
