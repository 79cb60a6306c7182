#pragma once
// A history file is rewritten whole: it must never be a file the program keeps
// for something else.
#include <string_view>

class TAppIni;
class TDictionaryManager;

// Whether path names the settings file or the file of any dictionary, user
// dictionary or virtual-key dictionary the manager holds (the manager may be null).
bool NamesProgramFile(std::string_view path, const TAppIni& settings,
                      const TDictionaryManager* manager);
