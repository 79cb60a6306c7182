#pragma once
// The plain list of CP932 strings used wherever the programs keep a list of texts.
#include <string>
#include <vector>

using TStringList = std::vector<std::string>;
