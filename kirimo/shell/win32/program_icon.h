#pragma once
// The program's own icon from the resources, at the size asked (shared; not
// to be destroyed).
#include <windows.h>

HICON ProgramIcon(int size);

// The resource number of the icon in every program's resource file.
constexpr int ProgramIconResource = 1;
