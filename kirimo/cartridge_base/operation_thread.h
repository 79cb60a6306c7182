#pragma once
// A cartridge's worker: a first-in first-out queue of operations and the one
// thread that runs them, oldest first, one at a time. The queue is guarded by
// a mutex, so posting never waits for the worker and the worker never waits
// for the poster.
//
// The thread starts with the first post, so a cartridge under construction is
// never called; Stop must run before the cartridge's own destructor.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "kirimo/cartridge_base/operation.h"

class TCartridge;

class TOperationThread {
 public:
  explicit TOperationThread(TCartridge& cartridge);
  ~TOperationThread();
  TOperationThread(const TOperationThread&) = delete;
  TOperationThread& operator=(const TOperationThread&) = delete;

  // Queues msg and wakes the worker. Ignored once stopped.
  void Post(TOperationMsg msg);

  bool QueueEmpty() const;
  // Lock-free, for long loops: something waits in the queue; a waiting
  // operation takes back what the running one builds (a back step is next,
  // or a clear waits anywhere).
  bool HasWaiting() const { return Waiting; }
  bool UndoAhead() const { return Undo; }
  // The caller is this worker, running an operation.
  bool IsWorkerThread() const;
  // Blocks until the queue is empty and no operation runs, or Stop.
  void WaitUntilIdle() const;
  // Runs work on the calling thread when the worker is idle, keeping the
  // worker from starting anything meanwhile; false when it was busy.
  bool RunIfIdle(const std::function<void()>& work);

  // Drops what is still queued, lets the running operation finish and joins
  // the thread. Safe to call more than once.
  void Stop();

 private:
  void Body();
  void NoteQueue();  // Mutex held

  TCartridge& Cartridge;
  mutable std::mutex Mutex;
  std::condition_variable Wake;          // the worker waits here for work
  mutable std::condition_variable Idle;  // WaitUntilIdle waits here
  std::deque<TOperationMsg> Queue;
  bool Busy = false;  // an operation (or RunIfIdle's work) is running
  bool Stopping = false;
  std::atomic<bool> Waiting{false};
  std::atomic<bool> Undo{false};
  std::thread Thread;
};
