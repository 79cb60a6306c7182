#pragma once
// "This model changed" notices from worker threads, run later on the UI
// thread. One notice per key waits at a time (a later one takes its place),
// notices of a source that is no longer the active one are dropped, and once
// the queue is closed at exit nothing is taken any more.
#include <functional>
#include <mutex>
#include <vector>

class TUpdateQueue {
 public:
  using TUpdate = std::function<void()>;

  // wake is called, from the posting thread, when the queue stops being empty:
  // one wake-up per batch, whatever the number of notices.
  explicit TUpdateQueue(std::function<void()> wake);
  TUpdateQueue(const TUpdateQueue&) = delete;
  TUpdateQueue& operator=(const TUpdateQueue&) = delete;

  // Any thread. key names what changed (a model); source the cartridge behind
  // it, nullptr for a notice that is always wanted.
  void Post(const void* key, const void* source, TUpdate update);

  // UI thread. Pending notices of other sources are dropped at once.
  void SetActiveSource(const void* source);

  // UI thread: runs what is pending, in posting order. Notices posted while
  // they run wait for the next call. Returns the number run.
  int RunPending();

  // At exit: runs what is pending, then refuses every later notice.
  void DrainAndClose();

  bool Closed() const;

 private:
  struct TEntry {
    const void* Key;
    const void* Source;
    TUpdate Update;
  };
  bool Wanted(const void* source) const { return source == nullptr || source == Active; }

  std::function<void()> Wake;
  mutable std::mutex Lock;
  std::vector<TEntry> Pending;
  const void* Active = nullptr;
  bool IsClosed = false;
};
