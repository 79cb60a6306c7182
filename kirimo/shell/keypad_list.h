#pragma once
// The little of the candidate list that the keypad's own gestures touch: a
// press focuses and selects an item, "▲" and "▼" move the top index. The
// cartridges own everything else about the list.
#include "kirimo/shell/base/control_views.h"

class TKeypadList {
 public:
  virtual ~TKeypadList() = default;
  virtual int Count() const = 0;
  virtual int TopIndex() const = 0;
  virtual void SetTopIndex(int index) = 0;
  virtual void SetItemIndex(int index) = 0;
  virtual void SetSelected(int index, bool selected) = 0;
};

// The keypad list on the candidate list the cartridges write.
class TKeypadListOnView : public TKeypadList {
 public:
  explicit TKeypadListOnView(TCandidateListView& view) : View(view) {}
  int Count() const override { return View.Count(); }
  int TopIndex() const override { return View.TopIndex(); }
  void SetTopIndex(int index) override { View.SetTopIndex(index); }
  void SetItemIndex(int index) override { View.SetItemIndex(index); }
  void SetSelected(int index, bool selected) override { View.SetSelected(index, selected); }

 private:
  TCandidateListView& View;
};
