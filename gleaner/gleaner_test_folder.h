#pragma once
// For tests: a program folder as Gleaner finds it, with the pointer file, the
// given Kirimo settings and an empty dic folder.
#include <filesystem>
#include <string>

#include "common/test_folder.h"

inline void WriteGleanerFolder(const TTestFolder& folder, const std::string& kirimoIni) {
  std::filesystem::create_directories(folder.PathOf("dic"));
  folder.Write("Gleaner.ini", "DIC_INI=Kirimo.ini\r\n");
  folder.Write("Kirimo.ini", kirimoIni);
}
