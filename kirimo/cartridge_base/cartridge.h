#pragma once
// The contract between the keypad and an input mode. A cartridge owns the key
// string the clicks build, its stack of candidate lists, the captions of its
// keys, vowel buttons and grid cells, and delivers what the user picks.
//
// Two threads meet here: the UI thread (every call of the controller and
// PostOperation) and the cartridge's worker (the operations posted to it).
// The key string has its own lock (KeyMutex); the key letter and candidate
// list stacks are guarded by StateMutex, which derived cartridges take for
// their own stacks too; the attached controls are used only through
// WithListBox, WithStatusBar and WithNamePanel, which take ViewMutex, so a
// detach never races a worker update. All three are plain mutexes: public
// operations lock, and the private helpers they call say that they expect
// the lock held. Lock order: StateMutex before ViewMutex; KeyMutex is taken
// alone. No output to the target runs under StateMutex or ViewMutex: it waits
// in a TAfterUnlock until they are let go.
//
// Lifecycle: the derived constructor fills its state and calls
// BuildKeyLayouts; the worker starts with the first post. A derived class
// whose operations touch its own fields calls StopWorker first thing in its
// destructor, so no operation runs while it is torn down.
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/cartridge_base/control_views.h"
#include "kirimo/cartridge_base/operation.h"
#include "kirimo/cartridge_base/operation_thread.h"

class TAppIni;
class TDictionary;
class TOutputOperations;

class TCartridge {
 public:
  virtual ~TCartridge();
  TCartridge(const TCartridge&) = delete;
  TCartridge& operator=(const TCartridge&) = delete;

  // "EXT", "NM" or "VK"; the controller routes by it.
  const std::string KindName;

  virtual bool IsActive() const;
  // Deactivating forgets the attached controls.
  virtual void SetActive(bool active);

  virtual TStringList GetCandidateList() const;
  virtual void AttachListBox(TCandidateListModel& listBox);
  virtual void AttachNamePanel(TNamePanelView& namePanel);
  virtual void AttachStatusBar(TStatusBarView& statusBar);

  virtual void SelectCandidate(int index);
  virtual void SendSelected() = 0;
  virtual void Back();
  virtual void Forward() = 0;
  virtual void Accumulate();
  virtual void Clear();
  virtual void InputKey(std::string_view caption);
  virtual void InputVowel(std::string_view caption);
  virtual TStringList GetKeyLabels() const;
  // Labels of the five vowel buttons for a key caption; an empty caption
  // asks for those of the key string's last letter. None leaves them blank.
  virtual std::optional<TStringList> GetVowelLabels(std::string_view caption);
  virtual void NextKeyLayout();
  // Starts both the key captions and the grid at set index; an index that
  // names no set starts at the first, so the "#" key never goes blank.
  void SetStartUpLayout(int index);
  virtual bool UsesVowelKeys() const;
  // Runs SaveState on the calling thread when the worker is idle.
  void SaveWhenIdle();
  virtual void ReloadDictionaries();
  virtual void SetDictionary(TDictionary* dictionary);
  // Pre-edits the key string as the kind asks, shows it, empties the list
  // box and queues msg for the worker.
  void PostOperation(TOperationMsg msg);
  virtual void InputSyllable(std::string_view text);
  std::string GetGridLetters() const;
  virtual void IdleWork();
  void StopIdleWork();
  virtual void ResetIdleWork();
  virtual bool HandlesForward() const;

  // The caption of a sub-button of the settings, ignoring case.
  bool IsKeyCommand(std::string_view text) const;
  // Presses and releases the key of the sub-button captioned text.
  void SendKeyCommand(std::string_view text);
  // Key letter entries up to the first "/" (the root entry counts).
  int StepCount() const;
  // Posts one back step for each step beyond depth.
  void BackToDepth(int depth);

  std::string GetKeyString() const;
  // Blocks until the queue is empty and the worker asleep.
  void WaitUntilIdle() const;
  // Sets AbortRequested, drops the queue and joins the worker.
  void StopWorker();

  // Set when the keypad closes so that long building loops stop.
  std::atomic<bool> AbortRequested = false;

 protected:
  TCartridge(std::string kindName, const TAppIni& settings, TOutputOperations& output);

  // Fills KeyLayouts and GridLayouts and sets both indexes to 0.
  virtual void BuildKeyLayouts() = 0;
  // Saves what must survive, such as the input history. Runs only through SaveWhenIdle.
  virtual void SaveState();
  // The worker's part of a UI-thread operation, posted as opDeferred by the
  // cartridge itself so that it runs in queue order after what came before.
  virtual void DeferredWork();

  void SetKeyString(std::string keyString);
  bool QueueEmpty() const;
  // For long loops on the worker, without a lock: an operation waits behind
  // the running one; a waiting back step or clear will take back what it builds.
  bool OperationWaiting() const { return Worker.HasWaiting(); }
  bool UndoQueued() const { return Worker.UndoAhead(); }

  // Run use on the attached control, if any, under the view lock; what it
  // throws is swallowed. False when nothing is attached. use takes no other
  // lock and sends no output (StateMutex before the call, never inside it):
  // gather what to show first, e.g. with GetCandidateList.
  template <typename TUse>
  bool WithListBox(TUse&& use) {
    return WithView(ListBox, use);
  }
  template <typename TUse>
  bool WithStatusBar(TUse&& use) {
    return WithView(StatusBar, use);
  }
  template <typename TUse>
  bool WithNamePanel(TUse&& use) {
    return WithView(NamePanel, use);
  }
  void ShowStatus(std::string_view text);
  // Attaches the list box and shows items in it; takes only the view lock.
  void AttachAndShow(TCandidateListModel& listBox, const TStringList& items);

  // The selected item of the attached list when it belongs to list, the list
  // the caller acts on: in range there and the same text. None when nothing
  // is selected or the selection was left from a list shown before.
  std::optional<TCandidateListModel::TItem> SelectionIn(const TStringList& list);
  // Whether item index of the attached list is item index of list, same text.
  bool ShowsItemOf(int index, const TStringList& list);

  const TAppIni& Settings;
  TOutputOperations& Output;

  // Set when a key step found nothing; letters then stop extending the key string.
  std::atomic<bool> DeadEnd = false;
  std::atomic<bool> IdleRunning = false;
  std::atomic<bool> Active = false;

  TDictionary* Dictionary = nullptr;

  // Guards KeyLetters, CandidateLists and what derived cartridges share
  // between the worker and the UI thread.
  mutable std::mutex StateMutex;
  // One entry per input step; "/" marks the entry into phrase mode.
  TStringList KeyLetters;
  // One list per input step, the newest shown. Shared, so a derived
  // cartridge can keep the same lists elsewhere.
  std::vector<std::shared_ptr<const TStringList>> CandidateLists;

  // UI thread only.
  int LayoutIndex = 0;
  std::vector<TStringList> KeyLayouts;  // twelve captions each
  int GridIndex = 0;
  TStringList GridLayouts;  // up to fifty single-byte letters each

 private:
  friend class TOperationThread;
  void RunOperation(const TOperationMsg& msg);
  void PreEditKeyString(TOperationKind kind, std::string_view text);

  template <typename TView, typename TUse>
  bool WithView(TView* const& field, TUse& use) {
    std::lock_guard<std::mutex> lock(ViewMutex);
    TView* view = field;
    if (view == nullptr) return false;
    try {
      use(*view);
    } catch (...) {
      // A control that fails must not stop the keypad.
    }
    return true;
  }

  mutable std::mutex KeyMutex;
  std::string KeyString;
  std::string PrevKeyString;

  std::mutex ViewMutex;
  TStatusBarView* StatusBar = nullptr;
  TCandidateListModel* ListBox = nullptr;
  TNamePanelView* NamePanel = nullptr;

  TOperationThread Worker;
};
