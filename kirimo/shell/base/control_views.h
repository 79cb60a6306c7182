#pragma once
// The keypad controls a cartridge draws on. A cartridge's worker calls them
// as well as the UI thread, so every implementation is safe to call from any
// thread and never waits for the UI thread.
#include <string>
#include <string_view>

#include "common/string_list.h"

// The candidate list box: multiple selection, one scroll position. Indexes out
// of range are ignored by setters and answer empty or false from getters.
class TCandidateListView {
 public:
  virtual ~TCandidateListView() = default;

  // Replaces every item; selection, item index and top index start over.
  virtual void SetItems(const TStringList& items) = 0;
  virtual void Clear() = 0;
  virtual TStringList Items() const = 0;
  virtual int Count() const = 0;
  virtual std::string ItemText(int index) const = 0;
  virtual int IndexOf(std::string_view text) const = 0;  // -1 when absent

  // The focused item, -1 for none.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;

  virtual bool IsSelected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;
  virtual int SelectedIndex() const = 0;  // the first selected item, -1 for none
  virtual void ClearSelection() = 0;

  virtual int TopIndex() const = 0;
  virtual void SetTopIndex(int index) = 0;

  // An item and its selection travel together.
  virtual void InsertItem(int index, std::string_view text) = 0;
  virtual void MoveItem(int from, int to) = 0;
};

// The status bar under the keypad: one line of text.
class TStatusBarView {
 public:
  virtual ~TStatusBarView() = default;
  virtual void SetText(std::string_view text) = 0;
  virtual std::string Text() const = 0;
};

// The dictionary-switch button, which names the plugged-in cartridge.
class TNamePanelView {
 public:
  virtual ~TNamePanelView() = default;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string Caption() const = 0;
};
