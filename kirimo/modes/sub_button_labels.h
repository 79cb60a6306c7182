#pragma once
// The captions of the settings' five sub-buttons, for the vowel buttons of the
// modes that type no kana.
#include "kirimo/cartridge_base/app_ini.h"

inline TStringList SubButtonLabels(const TAppIni& settings) {
  TStringList labels;
  for (const TSubButton& button : settings.SubButtons) labels.push_back(button.Caption);
  return labels;
}
