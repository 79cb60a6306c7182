#pragma once
// What the keypad controller needs of the keypad window: the controls it
// plugs into the current cartridge and the vowel row it shows or hides. The
// window implements it; tests and the headless driver use plain views.
#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/cartridge_base/control_views.h"

class TSearchFormView {
 public:
  virtual ~TSearchFormView() = default;
  virtual TCandidateListModel& ListBox() = 0;
  virtual TNamePanelView& NamePanel() = 0;
  virtual TStatusBarView& StatusBar() = 0;
  virtual void SetVowelRowVisible(bool visible) = 0;
};
