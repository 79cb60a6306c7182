#include "kirimo/language/dictionary.h"

#include <utility>

TDictionary::TDictionary(std::string name, std::string fileName)
    : Name(std::move(name)), FileName(std::move(fileName)) {}

void TDictionary::Reload() {}

int TDictionary::AddEntry(std::string_view) { return -1; }

bool TDictionary::ContainsEntry(std::string_view) const { return true; }
