#pragma once
// The running program's own full path (CP932), however long.
#include <string>

std::string ProgramPath();
