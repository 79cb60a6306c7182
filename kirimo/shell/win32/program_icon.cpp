#include "kirimo/shell/win32/program_icon.h"

HICON ProgramIcon(int size) {
  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(ProgramIconResource), IMAGE_ICON,
                                             size, size, LR_SHARED));
  return icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}
