#pragma once
// The cartridge set the settings describe.
#include <memory>

#include "kirimo/cartridge_set/revolver.h"

class TAppIni;
class TClock;
class TDictionaryManager;
class TOutputOperations;

// A Japanese cartridge for the base dictionary and each extension dictionary
// the manager holds, in that order, then the alphanumeric cartridge when it
// is named and the virtual-key cartridge when its dictionary exists. A null
// manager holds no dictionary.
std::unique_ptr<TRevolver> CreateRevolver(const TAppIni& settings,
                                          const TDictionaryManager* manager,
                                          TOutputOperations& output, const TClock& clock);
