#pragma once
// Control views that only keep their state, for tests and the headless driver.
// Each call takes the view's own lock.
#include <mutex>
#include <vector>

#include "kirimo/shell/base/control_views.h"

class TPlainCandidateList : public TCandidateListView {
 public:
  void SetItems(const TStringList& items) override;
  void Clear() override;
  TStringList Items() const override;
  int Count() const override;
  std::string ItemText(int index) const override;
  int IndexOf(std::string_view text) const override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  bool IsSelected(int index) const override;
  void SetSelected(int index, bool selected) override;
  int SelectedIndex() const override;
  void ClearSelection() override;
  int TopIndex() const override;
  void SetTopIndex(int index) override;
  void InsertItem(int index, std::string_view text) override;
  void MoveItem(int from, int to) override;

 private:
  struct TItem {
    std::string Text;
    bool Selected = false;
  };
  bool Holds(int index) const { return index >= 0 && index < static_cast<int>(Entries.size()); }
  void ClampTopIndex();

  mutable std::mutex Mutex;
  std::vector<TItem> Entries;
  int Focus = -1;
  int Top = 0;
};

// One text behind a lock.
class TGuardedText {
 public:
  void Set(std::string_view text);
  std::string Get() const;

 private:
  mutable std::mutex Mutex;
  std::string Text;
};

class TPlainStatusBar : public TStatusBarView {
 public:
  void SetText(std::string_view text) override { Shown.Set(text); }
  std::string Text() const override { return Shown.Get(); }

 private:
  TGuardedText Shown;
};

class TPlainNamePanel : public TNamePanelView {
 public:
  void SetCaption(std::string_view caption) override { Shown.Set(caption); }
  std::string Caption() const override { return Shown.Get(); }

 private:
  TGuardedText Shown;
};
