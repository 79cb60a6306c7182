#pragma once
// The Japanese input mode: row keys, grid syllables and vowels become an ordered
// list of candidate phrases built from one word dictionary, its user dictionary
// and the built-in grammar; a chosen candidate is typed into the target and
// learnt in the commit history shown before any key.
//
// Threads: the input operations, Back, Clear and IdleWork run on the worker,
// the rest on the UI thread; both take StateMutex around all they touch, and
// no long work runs under it: a key step or a long press pushes its level at
// once, empty, and the worker builds it (TLevelBuilder) and fills it only if
// it is still on top and nothing was reset meanwhile; vowels, variants and the
// idle prebuild work alike. So a UI-thread call never waits for a build and
// acts on the cartridge's present state. Lock order: StateMutex, then a
// dictionary's own lock.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kirimo/cartridge_base/after_unlock.h"
#include "kirimo/cartridge_base/cartridge.h"
#include "kirimo/engine/commit_history.h"
#include "kirimo/engine/level_builder.h"
#include "kirimo/engine/level_stack.h"
#include "kirimo/engine/list_state.h"
#include "kirimo/engine/phrase_list_stock.h"
#include "kirimo/engine/variants_list.h"
#include "kirimo/symbol_lists/clock.h"

class TSymbolListFile;

class TCartridgeEXT : public TCartridge {
 public:
  // A seam for tests, null in the programs: called on the worker between two
  // phrases of every long loop, before it asks whether to stop, with no lock
  // of the cartridge held (a dictionary's read lock may be). Tests hold the
  // worker there to order their gestures by events, or count the calls.
  using TBuildProbe = std::function<void()>;

  TCartridgeEXT(const TAppIni& settings, TOutputOperations& output, TBuildProbe probe = nullptr);
  ~TCartridgeEXT() override;

  void BuildKeyLayouts() override;
  void SetActive(bool active) override;
  void AttachListBox(TCandidateListModel& listBox) override;
  void AttachNamePanel(TNamePanelView& panel) override;
  void AttachStatusBar(TStatusBarView& statusBar) override;
  void SelectCandidate(int index) override;
  void SendSelected() override;
  void Back() override;
  void Forward() override;
  void Accumulate() override;
  void Clear() override;
  void InputKey(std::string_view caption) override;
  void InputVowel(std::string_view text) override;
  void InputSyllable(std::string_view text) override;
  std::optional<TStringList> GetVowelLabels(std::string_view keyCaption) override;
  bool UsesVowelKeys() const override { return true; }
  void ReloadDictionaries() override;
  void IdleWork() override;
  void ResetIdleWork() override;
  bool HandlesForward() const override;
  void SetDictionary(TDictionary* dictionary) override;

  void SetUserDictionary(TDictionaryEXT* dictionary);
  void LoadHistory(const std::string& file, int count);
  // The settings named a history file that is another file of the program:
  // the history is kept in memory only, and the status bar says so once.
  void RefuseHistoryFile(int count);
  void SetSymbolList(const std::string& name);
  void Commit(const std::string& text);
  void RecordHistory(const std::string& text);

  // For tests and the benchmark: a copy of the history, and the prebuild positions.
  TStringList HistorySnapshot() const;
  int RowPosition() const;
  int SyllablePosition() const;
  int StackDepth() const;
  std::size_t TopPhraseCount() const;

 protected:
  void SaveState() override;
  // Builds the phrase-mode level a long press pushed, or the variants it asked for.
  void DeferredWork() override;

 private:
  using TShown = TListState::TShown;
  enum class TPublish { Done, BuildAgain };

  // The probe, then whether stopped() (StateMutex not held).
  TLoopStop LoopStop(TLoopStop stopped) const;

  // Key steps and phrase mode; the builds run without the lock.
  void RunKeyStep(const std::string& letter, bool syllable);
  bool Ignores(std::string_view letter, TAfterUnlock& after);
  TKeyStep BeginKeyStep(const std::string& letter, bool syllable);
  void TakeStepSources(TKeyStep& step);
  TPublish PublishLevel(TKeyStep& step, std::optional<TBuiltLevel> built);
  void EnterPhraseMode(const TCandidateListModel::TItem& chosenItem, TAfterUnlock& after);
  void BuildPhraseMode();
  TPublish PublishPhraseLevel(TPhraseStep& step, std::optional<TPhraseLevel> built);
  // The cartridge goes, a waiting back step or clear takes the build back,
  // or the state changed under it.
  bool StepStopped(unsigned generation) const;
  // Drops every cached list and stops what is built for the state before;
  // the prebuild starts again, for the present grid mode.
  void RestartPrebuild();
  void GatherVariants();

  // With StateMutex held; output waits in after, a popped level is freed after.
  void ForwardLocked(TAfterUnlock& after);
  void CommitLocked(const std::string& text, TAfterUnlock& after);
  void ClearLevels(TAfterUnlock& after);
  void RequestVariants(const std::string& text, TVariantsList::TKind kind, TAfterUnlock& after);
  // True when the symbol list deals with the click itself (or it is stale).
  bool ClickSymbol(int index, TAfterUnlock& after);

  // What the list shows (StateMutex held).
  void ToggleSymbolList(TAfterUnlock& after);
  void HideSymbolList(TAfterUnlock& after);  // its held keys go after the lock
  void ShowVariants(TVariantsList::TRequest request);
  void CloseVariants();
  const TStringList& ActedOnList() const;
  // Only while active; from the worker, only after the last queued operation.
  void Show(const TStringList& list, int topIndex, int selected);
  void ShowFromWorker(const TStringList& list, int topIndex, int selected);
  void ShowAgain();
  void ShowNothing();
  std::optional<TCandidateListModel::TItem> Selection();
  std::optional<TCandidateListModel::TItem> ClickedItem(int index);
  void Deselect();
  bool GridOn() const;

  TCommitHistory History;  // before Levels: the root shows it
  TListState ListState;    // every operation switches on it once
  TLevelStack Levels;
  std::optional<TPhraseStep> PendingPhrase;  // the "/" level waiting for the worker
  static inline const TStringList NoCandidates{};
  std::atomic<bool> HistoryRefusalPending{false};
  TVariantsList Variants;
  TSystemClock Clock;  // for the date/time items; outlives SymbolList
  std::unique_ptr<TSymbolListFile> SymbolList;

  const TDictionaryEXT* MainDictionary = nullptr;  // Dictionary, as the word dictionary it is
  TDictionaryEXT* UserDictionary = nullptr;
  const TLevelBuilder Builder;
  const TBuildProbe Probe;
  std::unique_ptr<TPhraseListStock> Stock;
  // Changes (under StateMutex) whenever the stack is cleared or the cache
  // dropped from the UI thread: a build begun before is stale.
  std::atomic<unsigned> Generation{0};
  std::atomic<bool> Reloading{false};
  // The grid mode the idle work prebuilds for, taken on the UI thread (which
  // changes the setting) at creation and at every reset.
  std::atomic<bool> IdleGridMode{false};
  int RowPrebuildPos = 1;
  int SyllablePrebuildPos = 1;
};
