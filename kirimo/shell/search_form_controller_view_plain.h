#pragma once
// A keypad that only keeps its state, for tests and the headless driver.
#include <atomic>

#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/shell/search_form_controller_view.h"

class TPlainSearchFormView : public TSearchFormView {
 public:
  TCandidateListModel& ListBox() override { return List; }
  TNamePanelView& NamePanel() override { return Name; }
  TStatusBarView& StatusBar() override { return Status; }
  void SetVowelRowVisible(bool visible) override { VowelRowVisible = visible; }

  TCandidateListModel List;
  TPlainNamePanel Name;
  TPlainStatusBar Status;
  std::atomic<bool> VowelRowVisible = false;
};
