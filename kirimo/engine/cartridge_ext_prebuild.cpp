// The idle prebuild of the first-key lists, the cache they are kept in, and
// its reset. The builds hold no lock of the cartridge: they run on the worker
// while the UI thread goes on.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/engine/key_letters.h"

void TCartridgeEXT::RestartPrebuild() {
  RowPrebuildPos = 1;
  SyllablePrebuildPos = 1;
  IdleGridMode = GridOn();
  // Levels on the stack keep the lists they delegate to.
  Stock->Clear();
  ++Generation;
}

void TCartridgeEXT::IdleWork() {
  if (Reloading) return;
  IdleRunning = true;
  bool grid = IdleGridMode;
  std::string_view letters = grid ? Syllables : RowLetters;
  int& position = grid ? SyllablePrebuildPos : RowPrebuildPos;
  int index;
  {
    std::lock_guard lock(StateMutex);
    index = position;
  }
  for (; index <= static_cast<int>(letters.size()); ++index) {
    std::string_view letter = letters.substr(index - 1, 1);
    std::string key = TLevelBuilder::CacheKeyOf(letter, grid);
    unsigned generation = 0;
    const TDictionaryEXT* main = nullptr;
    const TDictionaryEXT* user = nullptr;
    // A key waiting behind the idle work counts as a stop: it must not wait
    // for a whole prebuild, nor even for one letter.
    auto stopped = [&] {
      return !IdleRunning || OperationWaiting() || AbortRequested || Reloading ||
             Generation != generation;
    };
    {
      std::lock_guard lock(StateMutex);
      generation = Generation;
      if (stopped()) {
        position = index;
        return;
      }
      if (Stock->Find(key)) continue;
      main = MainDictionary;
      user = UserDictionary;
    }
    std::shared_ptr<TPhraseList> built =
        Builder.FirstKeyList(letter, grid, main, user, LoopStop(stopped));
    std::lock_guard lock(StateMutex);
    // After a reset the walk starts again at the position the reset chose.
    if (Generation != generation) return;
    if (!built) {
      position = index;
      return;
    }
    Stock->Add(key, std::move(built));
  }
}

void TCartridgeEXT::ResetIdleWork() {
  std::lock_guard lock(StateMutex);
  RestartPrebuild();
}

void TCartridgeEXT::ReloadDictionaries() {
  struct TReloadingMark {
    std::atomic<bool>& Flag;
    explicit TReloadingMark(std::atomic<bool>& flag) : Flag(flag) { Flag = true; }
    ~TReloadingMark() { Flag = false; }
  } mark(Reloading);
  std::lock_guard lock(StateMutex);
  RestartPrebuild();
  try {
    if (UserDictionary) UserDictionary->Reload();
  } catch (...) {
    // The words read so far stay; the keypad goes on.
  }
}
