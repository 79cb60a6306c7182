#pragma once
// Progress bar and drop-down kept in memory.
#include "gleaner/gleaner_views.h"

class TPlainProgress : public TProgressView {
 public:
  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void StepIt() override;

  int Minimum = 0;
  int Maximum = 100;
  int Position = 0;
};

class TPlainChoice : public TChoiceView {
 public:
  void SetItems(const TStringList& items) override;
  void SetItemIndex(int index) override;
  std::string Text() const override;
  // Chooses the item with this text; false, and nothing changed, if none has it.
  bool Choose(std::string_view text);

  TStringList Items;
  int ItemIndex = -1;
};
