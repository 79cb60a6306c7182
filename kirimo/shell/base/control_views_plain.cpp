#include "kirimo/shell/base/control_views_plain.h"

#include <algorithm>

using TLock = std::lock_guard<std::mutex>;

void TPlainCandidateList::SetItems(const TStringList& items) {
  TLock lock(Mutex);
  Entries.clear();
  for (const std::string& text : items) Entries.push_back({text, false});
  Focus = -1;
  Top = 0;
}

void TPlainCandidateList::Clear() { SetItems({}); }

TStringList TPlainCandidateList::Items() const {
  TLock lock(Mutex);
  TStringList items;
  for (const TItem& item : Entries) items.push_back(item.Text);
  return items;
}

int TPlainCandidateList::Count() const {
  TLock lock(Mutex);
  return static_cast<int>(Entries.size());
}

std::string TPlainCandidateList::ItemText(int index) const {
  TLock lock(Mutex);
  return Holds(index) ? Entries[index].Text : std::string();
}

int TPlainCandidateList::IndexOf(std::string_view text) const {
  TLock lock(Mutex);
  auto found = std::find_if(Entries.begin(), Entries.end(),
                            [text](const TItem& item) { return item.Text == text; });
  return found == Entries.end() ? -1 : static_cast<int>(found - Entries.begin());
}

int TPlainCandidateList::ItemIndex() const {
  TLock lock(Mutex);
  return Focus;
}

void TPlainCandidateList::SetItemIndex(int index) {
  TLock lock(Mutex);
  if (Holds(index) || index == -1) Focus = index;
}

bool TPlainCandidateList::IsSelected(int index) const {
  TLock lock(Mutex);
  return Holds(index) && Entries[index].Selected;
}

void TPlainCandidateList::SetSelected(int index, bool selected) {
  TLock lock(Mutex);
  if (Holds(index)) Entries[index].Selected = selected;
}

int TPlainCandidateList::SelectedIndex() const {
  TLock lock(Mutex);
  auto found =
      std::find_if(Entries.begin(), Entries.end(), [](const TItem& item) { return item.Selected; });
  return found == Entries.end() ? -1 : static_cast<int>(found - Entries.begin());
}

void TPlainCandidateList::ClearSelection() {
  TLock lock(Mutex);
  for (TItem& item : Entries) item.Selected = false;
}

int TPlainCandidateList::TopIndex() const {
  TLock lock(Mutex);
  return Top;
}

void TPlainCandidateList::SetTopIndex(int index) {
  TLock lock(Mutex);
  Top = index;
  ClampTopIndex();
}

void TPlainCandidateList::InsertItem(int index, std::string_view text) {
  TLock lock(Mutex);
  if (index < 0 || index > static_cast<int>(Entries.size())) return;
  Entries.insert(Entries.begin() + index, {std::string(text), false});
  if (Focus >= index) ++Focus;
}

void TPlainCandidateList::MoveItem(int from, int to) {
  TLock lock(Mutex);
  if (!Holds(from) || !Holds(to) || from == to) return;
  TItem moved = std::move(Entries[from]);
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
}

// A list scrolls no further than its last item, as a list box does.
void TPlainCandidateList::ClampTopIndex() {
  int last = std::max(static_cast<int>(Entries.size()) - 1, 0);
  Top = std::clamp(Top, 0, last);
}

void TGuardedText::Set(std::string_view text) {
  TLock lock(Mutex);
  Text = text;
}

std::string TGuardedText::Get() const {
  TLock lock(Mutex);
  return Text;
}
