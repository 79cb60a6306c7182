#pragma once
// Texts and lists of standard controls, in CP932.
#include <windows.h>

#include <string>
#include <string_view>

#include "common/string_list.h"
#include "common/win32/wait_cursor.h"

std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view text);
// A combo box's list, replaced by items.
void SetComboItems(HWND combo, const TStringList& items);
// A list box's lines, replaced by items.
void SetListItems(HWND list, const TStringList& items);
