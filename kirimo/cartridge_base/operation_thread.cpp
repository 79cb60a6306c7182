#include "kirimo/cartridge_base/operation_thread.h"

#include "kirimo/cartridge_base/cartridge.h"

using TLock = std::unique_lock<std::mutex>;

namespace {
thread_local const TOperationThread* RunningWorker = nullptr;
}

TOperationThread::TOperationThread(TCartridge& cartridge) : Cartridge(cartridge) {}

TOperationThread::~TOperationThread() { Stop(); }

void TOperationThread::Post(TOperationMsg msg) {
  TLock lock(Mutex);
  if (Stopping) return;
  if (!Thread.joinable()) Thread = std::thread(&TOperationThread::Body, this);
  Queue.push_back(std::move(msg));
  NoteQueue();
  // Under the lock: a worker on its way to sleep cannot miss this.
  Wake.notify_one();
}

bool TOperationThread::QueueEmpty() const {
  TLock lock(Mutex);
  return Queue.empty();
}

bool TOperationThread::IsWorkerThread() const { return RunningWorker == this; }

void TOperationThread::WaitUntilIdle() const {
  TLock lock(Mutex);
  Idle.wait(lock, [this] { return Stopping || (Queue.empty() && !Busy); });
}

bool TOperationThread::RunIfIdle(const std::function<void()>& work) {
  {
    TLock lock(Mutex);
    if (Stopping || !Queue.empty() || Busy) return false;
    Busy = true;
  }
  try {
    work();
  } catch (...) {
  }
  TLock lock(Mutex);
  Busy = false;
  Wake.notify_one();
  Idle.notify_all();
  return true;
}

void TOperationThread::Stop() {
  {
    TLock lock(Mutex);
    Stopping = true;
    Queue.clear();
    NoteQueue();
    Wake.notify_one();
    Idle.notify_all();
  }
  if (Thread.joinable()) Thread.join();
}

void TOperationThread::NoteQueue() {
  Waiting = !Queue.empty();
  bool undo = !Queue.empty() && (Queue.front().Kind == opBack || Queue.front().Kind == opClear);
  for (const TOperationMsg& msg : Queue) undo = undo || msg.Kind == opClear;
  Undo = undo;
}

void TOperationThread::Body() {
  RunningWorker = this;
  TLock lock(Mutex);
  for (;;) {
    Wake.wait(lock, [this] { return Stopping || (!Queue.empty() && !Busy); });
    if (Stopping) break;
    TOperationMsg msg = std::move(Queue.front());
    Queue.pop_front();
    NoteQueue();
    Busy = true;
    lock.unlock();
    try {
      Cartridge.RunOperation(msg);
    } catch (...) {
      // An operation that fails ends alone; the keypad keeps working.
    }
    lock.lock();
    Busy = false;
    if (Queue.empty()) Idle.notify_all();
  }
}
