#pragma once
// The Japanese input mode: row keys, grid syllables and vowels become an ordered
// list of candidate phrases built from one word dictionary, its user dictionary
// and the built-in grammar; a chosen candidate is typed into the target and
// learnt in the history list shown before any key.
//
// Threads: the input operations, Back, Clear and IdleWork run on the worker;
// Accumulate, Forward, SelectCandidate and the dictionary operations on the UI
// thread. Both take StateMutex around everything they touch of the stacks, the
// cache and the history, so a UI-thread call waits at most for one key step
// (or one letter of an idle prebuild). Lock order: StateLock, then a
// dictionary's own lock, never the other way.
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/engine/phrase_list.h"
#include "kirimo/engine/phrase_list_stock.h"
#include "kirimo/modes/clock.h"
#include "kirimo/shell/base/after_unlock.h"
#include "kirimo/shell/base/cartridge.h"

class TBucketView;
class TConnect;
class TDictionaryEXT;
class TDictionaryJPSub;
class TPhrase;
class TSymbolListFile;
class TCandidateListModel;

class TCartridgeEXT : public TCartridge {
 public:
  // The keys of the row layouts and the letters the idle work prebuilds.
  static constexpr std::string_view RowLetters = "ｱｶｻﾀﾅﾊﾏﾔﾗﾜｰ@ADGJMPTW0";
  static constexpr std::string_view Syllables =
      "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｰ@ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

  TCartridgeEXT(const TAppIni& settings, TOutputOperations& output);
  ~TCartridgeEXT() override;

  void BuildKeyLayouts() override;
  void SetActive(bool active) override;
  void AttachListBox(TCandidateListModel& listBox) override;
  void AttachNamePanel(TNamePanelView& panel) override;
  void SelectCandidate(int index) override;
  void SendSelected() override;
  void Back() override;
  void Forward() override;
  void Accumulate() override;
  void Clear() override;
  void InputKey(std::string_view caption) override;
  void InputVowel(std::string_view text) override;
  std::optional<TStringList> GetVowelLabels(std::string_view keyCaption) override;
  bool UsesVowelKeys() const override { return true; }
  void ReloadDictionaries() override;
  void InputSyllable(std::string_view text) override;
  void IdleWork() override;
  void ResetIdleWork() override;
  bool HandlesForward() const override;

  void SetDictionary(TDictionary* dictionary) override;
  void SetUserDictionary(TDictionaryEXT* dictionary);
  void LoadHistory(const std::string& file, int count);
  // The settings named a history file that is another file of the program:
  // the history is kept in memory only, and the status bar says so once.
  void RefuseHistoryFile(int count);
  void AttachStatusBar(TStatusBarView& statusBar) override;
  void SetSymbolList(const std::string& name);
  void Commit(const std::string& text);
  void RecordHistory(const std::string& text);
  // Writes a temporary file beside the history file and renames it over, so a
  // failed write never leaves a shorter history behind; false on failure.
  bool SaveHistory();

  // The key letter of a row-key caption ("か" -> "ｶ", "ABC" -> "A"); "" for others.
  static std::string KeyLetterOfCaption(std::string_view caption);
  // The letters of the row of a key letter ("ｶ" -> "ｶｷｸｹｺ"); "" for others.
  static std::string_view RowOf(std::string_view letter);

  // For tests and the benchmark: a copy of the history, and the prebuild positions.
  TStringList HistorySnapshot() const;
  int RowPosition() const;
  int SyllablePosition() const;
  int StackDepth() const;
  std::size_t TopPhraseCount() const;

 protected:
  void SaveState() override;

 private:
  using TFilter = bool (*)(const TPhrase& phrase, std::string_view letter, int depth);

  // Builders (worker thread, StateMutex held).
  TPhraseList* BuildRowList(std::string_view letter);
  TPhraseList* BuildSyllableList(std::string_view syllable);
  void AddBucketWords(const TBucketView& bucket, TPhraseList& list);
  void AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                      std::string_view syllable);
  // Grows phrase by each follower in each form; with a filter only the grown
  // phrases it accepts are kept. Syllable mode adds with its own measure.
  void AddConnected(const TPhrase* phrase, TPhraseList& list, TFilter filter = nullptr,
                    std::string_view letter = {}, bool syllable = false);
  // Whether a key or syllable is to be ignored; then the shown list is restored.
  bool Ignores(std::string_view letter);
  // Posting emptied the list box: an operation that changes nothing shows again what stays.
  void ShowAgain();
  // Pushes one level built on the top list (InputKey and InputSyllable).
  void PushKeyLevel(const std::string& letter, bool syllable);
  void ClearStock();

  // What the public operations of the same names do, with StateMutex held;
  // output waits in after.
  void EnterPhraseMode(const TCandidateListModel::TItem& chosenItem);
  void ForwardLocked(TAfterUnlock& after);
  void CommitLocked(const std::string& text, TAfterUnlock& after);
  void RecordHistoryLocked(const std::string& text);
  bool SaveHistoryLocked();

  // Navigation (StateMutex held).
  void PopLevel();
  void ClearLevels(TAfterUnlock& after);
  // Lets go of the symbol list's held keys once the locks are let go.
  void HideSymbolList(TAfterUnlock& after);
  void ToggleSymbolList(TAfterUnlock& after);
  void BuildVariants(const std::string& selected);
  void ShowVariants();
  // Types text into the target, and a Left arrow after a bracket pair.
  void DeliverText(const std::string& text, TAfterUnlock& after);
  // A symbol-list click; true when the list deals with the item itself (or
  // the click is stale and nothing is to be done).
  bool ClickSymbol(int index, TAfterUnlock& after);

  // Draws on the list box only while active (StateMutex held).
  void Show(const TStringList& list, int topIndex, int selected);
  // The same from the worker, and only after the last queued operation.
  void ShowFromWorker(const TStringList& list, int topIndex, int selected);
  // The list the selection-taking operations act on: what the cartridge
  // shows in its present state.
  const TStringList& ActedOnList() const;
  // The selected item, when it belongs to that list.
  std::optional<TCandidateListModel::TItem> Selection();
  void Deselect();
  // The candidate stack shares the lists its phrase lists (or the history) own.
  static std::shared_ptr<const TStringList> Borrow(const TStringList& list) {
    return std::shared_ptr<const TStringList>(std::shared_ptr<const TStringList>(), &list);
  }
  TPhraseList& TopList() { return *PhraseLists.back(); }
  bool KeysEntered() const { return PhraseLists.size() > 1; }
  bool GridOn() const;

  std::vector<std::unique_ptr<TPhraseList>> PhraseLists;
  int Depth = 0;
  int SavedDepth = 0;
  bool PhraseMode = false;

  TStringList History;  // the root candidate list, newest first
  std::string HistoryFile;
  int HistoryCount = 100;
  std::atomic<bool> HistoryRefusalPending{false};

  TStringList Variants;
  bool VariantsShown = false;
  bool VariantsAutoShown = false;

  TSystemClock Clock;  // for the date/time items; outlives SymbolList
  std::unique_ptr<TSymbolListFile> SymbolList;
  const TStringList* SymbolItems = nullptr;
  bool SymbolListShown = false;

  const TDictionaryEXT* MainDictionary = nullptr;  // Dictionary, as the word dictionary it is
  TDictionaryEXT* UserDictionary = nullptr;
  const TConnect* Connector = nullptr;
  const TDictionaryJPSub* ParticleDic = nullptr;

  std::unique_ptr<TPhraseListStock> Stock;
  // Caches cleared while the stack still showed their lists: their phrases
  // are referenced until the stack is back at its root.
  std::vector<std::unique_ptr<TPhraseListStock>> RetiredStocks;
  std::atomic<bool> Reloading{false};
  // The grid mode the idle work prebuilds for, taken on the UI thread (which
  // changes the setting) at creation and at every reset.
  std::atomic<bool> IdleGridMode{false};
  int RowPrebuildPos = 1;
  int SyllablePrebuildPos = 1;
};
