#pragma once
// The candidate list the keypad shows: items, the focused item (item index),
// the selection (several items may be selected) and the scroll position (top
// index). Cartridges and the controller write and read it, from the UI thread
// or a worker; the window only paints from it. It is the one truth about the
// list: nothing reads a real control back.
//
// Every change calls the observer after the model's lock is released, on the
// thread that made the change; the window posts itself one repaint from there.
// Indexes out of range are ignored by setters and answer empty or false.
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"

class TCandidateListModel {
 public:
  // An item with its text, as one consistent reading.
  struct TItem {
    int Index = -1;
    std::string Text;
  };
  // What the window paints: the rows from the top index on, no more than it asked for.
  struct TRows {
    int Count = 0;
    int TopIndex = 0;
    int ItemIndex = -1;
    TStringList Texts;
    std::vector<bool> Selected;
  };

  TCandidateListModel() = default;
  TCandidateListModel(const TCandidateListModel&) = delete;
  TCandidateListModel& operator=(const TCandidateListModel&) = delete;

  // Called after every change; empty for none. Set it before the list is
  // shared with other threads, and clear it before the observer goes.
  void SetObserver(std::function<void()> observer);

  // Replaces every item; selection, item index and top index start over.
  void SetItems(const TStringList& items);
  void Clear();
  TStringList Items() const;
  int Count() const;
  std::string ItemText(int index) const;
  int IndexOf(std::string_view text) const;  // -1 when absent

  // The focused item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);

  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  int SelectedIndex() const;  // the first selected item, -1 for none
  // The first selected item with its text; none when nothing is selected.
  std::optional<TItem> SelectedItem() const;
  void ClearSelection();

  int TopIndex() const;
  void SetTopIndex(int index);
  // The rows the window shows whole. The top index goes no further than the
  // last full page, as a list box's does; a page of one row until the window
  // says. A page that grows brings the top index back at once.
  void SetPageRows(int rows);

  // An item and its selection travel together.
  void InsertItem(int index, std::string_view text);
  void MoveItem(int from, int to);

  // At most rowCount rows from the top index: the cost of a paint does not
  // grow with the number of items.
  TRows VisibleRows(int rowCount) const;

 private:
  struct TEntry {
    std::string Text;
    bool Selected = false;
  };
  bool Holds(int index) const { return index >= 0 && index < static_cast<int>(Entries.size()); }
  void ClampTopIndex();
  // Runs change under the lock, then tells the observer.
  template <typename TChange>
  void Change(TChange&& change);
  void Notify();

  mutable std::mutex Mutex;
  std::vector<TEntry> Entries;
  int Focus = -1;
  int Top = 0;
  int PageRows = 1;

  std::mutex ObserverMutex;
  std::function<void()> Observer;
};
