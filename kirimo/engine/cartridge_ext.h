#pragma once
// The Japanese input mode: row keys, grid syllables and vowels become an ordered
// list of candidate phrases built from one word dictionary, its user dictionary
// and the built-in grammar; a chosen candidate is typed into the target and
// learnt in the history list shown before any key.
//
// Threads: the input operations, Back, Clear and IdleWork run on the worker;
// Accumulate, Forward, SelectCandidate and the dictionary operations on the UI
// thread. Both take StateMutex around everything they touch of the stacks, the
// cache and the history, but no long work runs under it: a key step pushes
// its level at once, empty, builds the phrases from the levels below (kept
// alive by shared ownership) and fills the level under the lock only if it is
// still on top and nothing was reset meanwhile; a vowel narrows without it; a
// long press pushes the phrase-mode level, or opens the variants, empty, and
// leaves the growing and gathering to the worker (opDeferred), and so does the
// idle prebuild. So a UI-thread call never waits for a build, and what it acts
// on is always the cartridge's own present state; a back step or clear waiting
// in the queue stops the build it undoes. Lock order: StateMutex, then a
// dictionary's own lock, never the other way.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/engine/phrase_list.h"
#include "kirimo/engine/phrase_list_stock.h"
#include "kirimo/symbol_lists/clock.h"
#include "kirimo/cartridge_base/after_unlock.h"
#include "kirimo/cartridge_base/cartridge.h"

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

  // A seam for tests: called on the worker between two phrases of every long
  // loop (key steps, vowels, phrase mode, variants, the idle prebuild), before
  // the loop asks whether to stop, with no lock of the cartridge held (the
  // loops over a dictionary's words hold its read lock). A test holds the
  // worker there to order its gestures by events, or counts the calls. Null
  // in the programs.
  using TBuildProbe = std::function<void()>;

  TCartridgeEXT(const TAppIni& settings, TOutputOperations& output, TBuildProbe probe = nullptr);
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
  // Longer texts (in bytes) are typed but neither learnt nor read from a
  // history file: no sensible entry is that long, and every gesture at the
  // root would carry one.
  static constexpr std::size_t LongestHistoryEntry = 64 * 1024;
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
  // Builds the phrase-mode level a long press pushed, or the variants it asked for.
  void DeferredWork() override;

 private:
  using TFilter = bool (*)(const TPhrase& phrase, std::string_view letter, int depth);
  // Answers true when a long loop is to stop: its result is no longer wanted.
  using TStop = std::function<bool()>;
  // The stop of a long loop: the probe, then whether stopped() (StateMutex not held).
  template <typename TStopped>
  TStop LoopStop(TStopped stopped) const {
    return [this, stopped] {
      if (Probe) Probe();
      return stopped();
    };
  }

  // What a key step builds from, taken under StateMutex.
  struct TKeyStep {
    std::string Letter;
    bool Syllable = false;
    int Depth = 0;      // the key letters the new level matches
    bool Grow = false;  // phrases shorter than Depth grow by connection
    std::string Anchor;
    // The levels under the new one: their phrases are carried on, so they stay
    // alive while the step builds even if a clear pops them.
    std::vector<std::shared_ptr<TPhraseList>> Below;
    std::shared_ptr<TPhraseList> Pushed;  // the new level while it is empty
    std::shared_ptr<TPhraseList> Cached;  // the first-key list the cache held
    std::string CacheKey;                 // where a first-key list is cached
    unsigned Generation = 0;
    const TDictionaryEXT* Main = nullptr;
    const TDictionaryEXT* User = nullptr;
  };
  // A built level and its candidates, ready to be put on the stack.
  struct TBuiltLevel {
    std::shared_ptr<TPhraseList> List;
    std::shared_ptr<TPhraseList> NewlyCached;  // a first-key list to keep in the cache
    const TStringList* Candidates = nullptr;
    int TopIndex = 0;
  };

  // Builders (no lock held; they read only what they are given and the dictionaries).
  std::shared_ptr<TPhraseList> BuildFirstKeyList(std::string_view letter, bool syllable,
                                                 const TDictionaryEXT* main,
                                                 const TDictionaryEXT* user,
                                                 const TStop& stop) const;
  std::shared_ptr<TPhraseList> BuildRowList(std::string_view letter, const TDictionaryEXT* main,
                                            const TDictionaryEXT* user, const TStop& stop) const;
  std::shared_ptr<TPhraseList> BuildSyllableList(std::string_view syllable,
                                                 const TDictionaryEXT* main,
                                                 const TDictionaryEXT* user,
                                                 const TStop& stop) const;
  static void AddBucketWords(const TBucketView& bucket, TPhraseList& list, const TStop& stop);
  static void AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                             std::string_view syllable, const TStop& stop);
  // Grows phrase by each follower in each form; with a filter only the grown
  // phrases it accepts at depth are kept. Syllable mode adds with its own measure.
  void AddConnected(const TPhrase* phrase, TPhraseList& list, const TStop& stop,
                    TFilter filter = nullptr, std::string_view letter = {}, int depth = 0,
                    bool syllable = false) const;
  // Whether a key or syllable is to be ignored; then the shown list is restored.
  bool Ignores(std::string_view letter);
  // Posting emptied the list box: an operation that changes nothing shows again what stays.
  void ShowAgain();
  // One key or syllable (InputKey and InputSyllable): the level goes on the
  // stack at once and is filled when built, or built again after a reset.
  void RunKeyStep(const std::string& letter, bool syllable);
  // Pushes the empty level and takes what the build needs (StateMutex held).
  TKeyStep BeginKeyStep(const std::string& letter, bool syllable);
  // Takes the cached first-key list, the dictionaries and the generation again.
  void TakeStepSources(TKeyStep& step);
  // None when stopped before the end.
  std::optional<TBuiltLevel> BuildLevel(const TKeyStep& step, const TStop& stop) const;
  void AddFollowing(const TKeyStep& step, TPhraseList& next, const TStop& stop) const;
  enum class TPublish { Done, BuildAgain };
  TPublish PublishLevel(TKeyStep& step, std::optional<TBuiltLevel> built);

  // Phrase mode entered on a chosen candidate: what the worker builds from.
  struct TPhraseStep {
    std::string Text;  // the chosen candidate
    int Depth = 0;     // its key length
    int Type = 0;      // the type of its last word
    std::vector<std::shared_ptr<TPhraseList>> Below;
    std::shared_ptr<TPhraseList> Pushed;
    unsigned Generation = 0;
  };
  struct TPhraseLevel {
    std::shared_ptr<TPhraseList> List;
    int Depth = 0;
    bool PlainWords = false;  // nothing grows: the variants are shown instead
    const TStringList* Candidates = nullptr;
    TStringList Variants;
  };
  void BuildPhraseMode();
  std::optional<TPhraseLevel> BuildPhraseLevel(const TPhraseStep& step, const TStop& stop) const;
  TPublish PublishPhraseLevel(TPhraseStep& step, std::optional<TPhraseLevel> built);
  // The key step is not wanted any more: the cartridge goes, a waiting back
  // step or clear takes it back, or the state changed under it.
  bool StepStopped(unsigned generation) const;
  // Drops every cached list and stops what is built for the state before.
  void ClearStock();
  std::string CacheKeyOf(std::string_view letter, bool syllable) const;

  // What the public operations of the same names do, with StateMutex held;
  // output waits in after.
  // Pushes the phrase-mode level, empty, and posts its build to the worker.
  void EnterPhraseMode(const TCandidateListModel::TItem& chosenItem, TAfterUnlock& after);
  void ForwardLocked(TAfterUnlock& after);
  void CommitLocked(const std::string& text, TAfterUnlock& after);
  void RecordHistoryLocked(const std::string& text);
  bool SaveHistoryLocked();

  // Navigation (StateMutex held). The popped level is handed back so that it
  // can be freed after the lock.
  std::shared_ptr<TPhraseList> PopLevel();
  void ClearLevels(TAfterUnlock& after);
  // Lets go of the symbol list's held keys once the locks are let go.
  void HideSymbolList(TAfterUnlock& after);
  void ToggleSymbolList(TAfterUnlock& after);
  // The other widths, cases and kana forms of selected, and the readings of
  // the phrases of top written so. None when stopped.
  static std::optional<TStringList> VariantsOf(const std::string& selected, const TPhraseList& top,
                                               const TStop& stop);
  // The variants waiting for the worker: of which text, from which list.
  struct TVariantsStep {
    // A candidate's variants, or only the two widths of an item at the root.
    enum TKind { Candidate, WidthsOnly };
    std::string Text;
    TKind Kind = Candidate;
    std::shared_ptr<TPhraseList> Top;
  };
  // Opens the variants list, empty, and posts their gathering to the worker:
  // a long list may hold many phrases to look at, a long text takes long to convert.
  void RequestVariants(const std::string& selected, TVariantsStep::TKind kind, TAfterUnlock& after);
  void GatherVariants();
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
  // Empties the list box (while active) when the cartridge leaves the list it
  // shows with nothing to show yet: a click on the list left behind would be
  // taken for stale and type nothing.
  void ShowNothing();
  // The list the selection-taking operations act on: what the cartridge
  // shows in its present state.
  const TStringList& ActedOnList() const;
  // The selected item, when it belongs to that list.
  std::optional<TCandidateListModel::TItem> Selection();
  // The item a click released on, when its press selected it and it belongs
  // to that list; else the selection. A selection left on another item (a
  // back step restores one) does not take the click.
  std::optional<TCandidateListModel::TItem> ClickedItem(int index);
  void Deselect();
  // The candidate stack shares the lists its phrase lists (or the history) own.
  static std::shared_ptr<const TStringList> Borrow(const TStringList& list) {
    return std::shared_ptr<const TStringList>(std::shared_ptr<const TStringList>(), &list);
  }
  TPhraseList& TopList() { return *PhraseLists.back(); }
  bool KeysEntered() const { return PhraseLists.size() > 1; }
  bool GridOn() const;

  std::vector<std::shared_ptr<TPhraseList>> PhraseLists;
  // Set while a vowel narrows the top list without the lock.
  bool Narrowing = false;
  // The phrase-mode level waiting for the worker to build it.
  std::optional<TPhraseStep> PendingPhrase;
  std::optional<TVariantsStep> PendingVariants;
  static inline const TStringList NoCandidates{};
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
