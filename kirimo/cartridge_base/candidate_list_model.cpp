#include "kirimo/cartridge_base/candidate_list_model.h"

#include <algorithm>

using TLock = std::lock_guard<std::mutex>;

template <typename TChange>
void TCandidateListModel::Change(TChange&& change) {
  {
    TLock lock(Mutex);
    change();
  }
  Notify();
}

void TCandidateListModel::Notify() {
  std::function<void()> observer;
  {
    TLock lock(ObserverMutex);
    observer = Observer;
  }
  if (observer) observer();
}

void TCandidateListModel::SetObserver(std::function<void()> observer) {
  TLock lock(ObserverMutex);
  Observer = std::move(observer);
}

void TCandidateListModel::SetItems(const TStringList& items) {
  Change([&] {
    Entries.clear();
    for (const std::string& text : items) Entries.push_back({text, false});
    Focus = -1;
    Top = 0;
  });
}

void TCandidateListModel::Clear() { SetItems({}); }

TStringList TCandidateListModel::Items() const {
  TLock lock(Mutex);
  TStringList items;
  for (const TEntry& item : Entries) items.push_back(item.Text);
  return items;
}

int TCandidateListModel::Count() const {
  TLock lock(Mutex);
  return static_cast<int>(Entries.size());
}

std::string TCandidateListModel::ItemText(int index) const {
  TLock lock(Mutex);
  return Holds(index) ? Entries[index].Text : std::string();
}

int TCandidateListModel::IndexOf(std::string_view text) const {
  TLock lock(Mutex);
  auto found = std::find_if(Entries.begin(), Entries.end(),
                            [text](const TEntry& item) { return item.Text == text; });
  return found == Entries.end() ? -1 : static_cast<int>(found - Entries.begin());
}

int TCandidateListModel::ItemIndex() const {
  TLock lock(Mutex);
  return Focus;
}

void TCandidateListModel::SetItemIndex(int index) {
  Change([&] {
    if (Holds(index) || index == -1) Focus = index;
  });
}

bool TCandidateListModel::IsSelected(int index) const {
  TLock lock(Mutex);
  return Holds(index) && Entries[index].Selected;
}

void TCandidateListModel::SetSelected(int index, bool selected) {
  Change([&] {
    if (Holds(index)) Entries[index].Selected = selected;
  });
}

int TCandidateListModel::SelectedIndex() const {
  TLock lock(Mutex);
  auto found = std::find_if(Entries.begin(), Entries.end(),
                            [](const TEntry& item) { return item.Selected; });
  return found == Entries.end() ? -1 : static_cast<int>(found - Entries.begin());
}

void TCandidateListModel::ClearSelection() {
  Change([&] {
    for (TEntry& item : Entries) item.Selected = false;
  });
}

int TCandidateListModel::TopIndex() const {
  TLock lock(Mutex);
  return Top;
}

void TCandidateListModel::SetTopIndex(int index) {
  Change([&] {
    Top = index;
    ClampTopIndex();
  });
}

void TCandidateListModel::SetPageRows(int rows) {
  rows = std::max(rows, 1);
  bool moved = false;
  {
    TLock lock(Mutex);
    if (rows == PageRows) return;
    PageRows = rows;
    const int top = Top;
    ClampTopIndex();
    moved = Top != top;
  }
  if (moved) Notify();
}

void TCandidateListModel::InsertItem(int index, std::string_view text) {
  Change([&] {
    if (index < 0 || index > static_cast<int>(Entries.size())) return;
    Entries.insert(Entries.begin() + index, {std::string(text), false});
    if (Focus >= index) ++Focus;
  });
}

void TCandidateListModel::MoveItem(int from, int to) {
  Change([&] {
    if (!Holds(from) || !Holds(to) || from == to) return;
    TEntry moved = std::move(Entries[from]);
    Entries.erase(Entries.begin() + from);
    Entries.insert(Entries.begin() + to, std::move(moved));
    // The focus stays on the item it was on.
    if (Focus == from) {
      Focus = to;
    } else if (from < Focus && Focus <= to) {
      --Focus;
    } else if (to <= Focus && Focus < from) {
      ++Focus;
    }
  });
}

void TCandidateListModel::ClampTopIndex() {
  const int last = std::max(static_cast<int>(Entries.size()) - PageRows, 0);
  Top = std::clamp(Top, 0, last);
}

std::optional<TCandidateListModel::TItem> TCandidateListModel::SelectedItem() const {
  TLock lock(Mutex);
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    if (Entries[i].Selected) return TItem{static_cast<int>(i), Entries[i].Text};
  }
  return std::nullopt;
}

TCandidateListModel::TRows TCandidateListModel::VisibleRows(int rowCount) const {
  TLock lock(Mutex);
  TRows rows;
  rows.Count = static_cast<int>(Entries.size());
  rows.TopIndex = Top;
  rows.ItemIndex = Focus;
  for (int i = Top; i < rows.Count && i - Top < rowCount; ++i) {
    rows.Texts.push_back(Entries[i].Text);
    rows.Selected.push_back(Entries[i].Selected);
  }
  return rows;
}
