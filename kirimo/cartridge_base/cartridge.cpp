#include "kirimo/cartridge_base/cartridge.h"

#include <algorithm>

#include "common/text_checks.h"
#include "common/virtual_key.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/output_operations.h"

TCartridge::TCartridge(std::string kindName, const TAppIni& settings, TOutputOperations& output)
    : KindName(std::move(kindName)), Settings(settings), Output(output), Worker(*this) {}

TCartridge::~TCartridge() { StopWorker(); }

void TCartridge::StopWorker() {
  AbortRequested = true;
  IdleRunning = false;
  Worker.Stop();
}

bool TCartridge::IsActive() const { return Active; }

void TCartridge::SetActive(bool active) {
  Active = active;
  if (active) return;
  std::lock_guard<std::mutex> lock(ViewMutex);
  StatusBar = nullptr;
  ListBox = nullptr;
  NamePanel = nullptr;
}

TStringList TCartridge::GetCandidateList() const {
  std::lock_guard<std::mutex> lock(StateMutex);
  if (CandidateLists.empty() || !CandidateLists.back()) return {};
  return *CandidateLists.back();
}

void TCartridge::AttachListBox(TCandidateListModel& listBox) {
  AttachAndShow(listBox, GetCandidateList());
}

void TCartridge::AttachAndShow(TCandidateListModel& listBox, const TStringList& items) {
  {
    std::lock_guard<std::mutex> lock(ViewMutex);
    ListBox = &listBox;
  }
  WithListBox([&items](TCandidateListModel& list) { list.SetItems(items); });
}

void TCartridge::AttachNamePanel(TNamePanelView& namePanel) {
  {
    std::lock_guard<std::mutex> lock(ViewMutex);
    NamePanel = &namePanel;
  }
  WithNamePanel([this](TNamePanelView& panel) { panel.SetCaption(KindName); });
}

void TCartridge::AttachStatusBar(TStatusBarView& statusBar) {
  {
    std::lock_guard<std::mutex> lock(ViewMutex);
    StatusBar = &statusBar;
  }
  ShowStatus(GetKeyString());
}

std::optional<TCandidateListModel::TItem> TCartridge::SelectionIn(const TStringList& list) {
  std::optional<TCandidateListModel::TItem> selected;
  WithListBox([&selected](TCandidateListModel& model) { selected = model.SelectedItem(); });
  if (!selected || selected->Index >= static_cast<int>(list.size()) ||
      list[selected->Index] != selected->Text)
    return std::nullopt;
  return selected;
}

bool TCartridge::ShowsItemOf(int index, const TStringList& list) {
  if (index < 0 || index >= static_cast<int>(list.size())) return false;
  bool same = false;
  WithListBox([&](TCandidateListModel& model) { same = model.ItemText(index) == list[index]; });
  return same;
}

void TCartridge::ShowStatus(std::string_view text) {
  WithStatusBar([text](TStatusBarView& bar) { bar.SetText(text); });
}

void TCartridge::SelectCandidate(int) {}
void TCartridge::Back() {}

void TCartridge::Accumulate() {
  std::lock_guard<std::mutex> lock(KeyMutex);
  PrevKeyString = KeyString;
  KeyString = "/";
}

void TCartridge::Clear() {
  DeadEnd = false;
  // A queued clear was already applied to the key string when it was posted;
  // clearing again here would wipe the keys posted after it.
  if (Worker.IsWorkerThread()) return;
  SetKeyString("");
  ShowStatus("");
}

void TCartridge::InputKey(std::string_view) {}
void TCartridge::InputVowel(std::string_view) {}
void TCartridge::InputSyllable(std::string_view) {}
void TCartridge::IdleWork() {}
void TCartridge::ResetIdleWork() {}
void TCartridge::ReloadDictionaries() {}
void TCartridge::SaveState() {}
void TCartridge::DeferredWork() {}

TStringList TCartridge::GetKeyLabels() const {
  if (LayoutIndex < 0 || LayoutIndex >= static_cast<int>(KeyLayouts.size())) return {};
  return KeyLayouts[LayoutIndex];
}

std::optional<TStringList> TCartridge::GetVowelLabels(std::string_view) { return std::nullopt; }

void TCartridge::NextKeyLayout() {
  auto advance = [](int& index, std::size_t count) {
    index = count == 0 ? 0 : (index + 1) % static_cast<int>(count);
  };
  if (Settings.Use50Key) {
    advance(GridIndex, GridLayouts.size());
  } else {
    advance(LayoutIndex, KeyLayouts.size());
  }
}

void TCartridge::SetStartUpLayout(int index) {
  auto within = [index](std::size_t count) {
    return index >= 0 && index < static_cast<int>(count) ? index : 0;
  };
  LayoutIndex = within(KeyLayouts.size());
  GridIndex = within(GridLayouts.size());
}

std::string TCartridge::GetGridLetters() const {
  if (GridIndex < 0 || GridIndex >= static_cast<int>(GridLayouts.size())) return {};
  return GridLayouts[GridIndex];
}

bool TCartridge::UsesVowelKeys() const { return false; }
bool TCartridge::HandlesForward() const { return false; }

void TCartridge::SaveWhenIdle() {
  Worker.RunIfIdle([this] { SaveState(); });
}

void TCartridge::SetDictionary(TDictionary* dictionary) { Dictionary = dictionary; }

void TCartridge::StopIdleWork() { IdleRunning = false; }

bool TCartridge::IsKeyCommand(std::string_view text) const {
  return !Settings.KeyCommandName(text).empty();
}

void TCartridge::SendKeyCommand(std::string_view text) {
  std::string name = Settings.KeyCommandName(text);
  if (!name.empty()) Output.PressKey(VirtualKeyCode(name));
}

int TCartridge::StepCount() const {
  std::lock_guard<std::mutex> lock(StateMutex);
  return static_cast<int>(std::find(KeyLetters.begin(), KeyLetters.end(), "/") -
                          KeyLetters.begin());
}

void TCartridge::BackToDepth(int depth) {
  for (int steps = StepCount() - depth; steps > 0; --steps) PostOperation({opBack, ""});
}

std::string TCartridge::GetKeyString() const {
  std::lock_guard<std::mutex> lock(KeyMutex);
  return KeyString;
}

void TCartridge::SetKeyString(std::string keyString) {
  std::lock_guard<std::mutex> lock(KeyMutex);
  KeyString = std::move(keyString);
}

bool TCartridge::QueueEmpty() const { return Worker.QueueEmpty(); }

void TCartridge::WaitUntilIdle() const { Worker.WaitUntilIdle(); }
