#pragma once
// Text files as lists of lines, CP932 with CR LF, as the programs keep their
// settings and histories.
#include <string_view>

#include "common/string_list.h"

// The lines of a file's contents; a line ends at CR LF, LF or CR.
TStringList SplitLines(std::string_view content);
// Writes each line followed by CR LF to the temporary file path + ".tmp", then
// renames it over path, so a failed write (a full disk, a crash) leaves the
// old file as it was. False when the file could not be written.
bool WriteLinesReplacing(std::string_view path, const TStringList& lines);
// Removes the temporary file that a write killed before its rename left
// beside path; for a file that no write of this process is replacing now.
void RemoveLeftoverTemporary(std::string_view path);
