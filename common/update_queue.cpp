#include "common/update_queue.h"

#include <algorithm>
#include <utility>

TUpdateQueue::TUpdateQueue(std::function<void()> wake) : Wake(std::move(wake)) {}

void TUpdateQueue::Post(const void* key, const void* source, TUpdate update) {
  bool wasEmpty = false;
  {
    std::lock_guard<std::mutex> guard(Lock);
    if (IsClosed || !Wanted(source)) return;
    auto same = std::find_if(Pending.begin(), Pending.end(),
                             [&](const TEntry& entry) { return entry.Key == key; });
    if (same != Pending.end()) {
      same->Source = source;
      same->Update = std::move(update);
      return;
    }
    wasEmpty = Pending.empty();
    Pending.push_back({key, source, std::move(update)});
  }
  if (wasEmpty && Wake) Wake();
}

void TUpdateQueue::SetActiveSource(const void* source) {
  std::lock_guard<std::mutex> guard(Lock);
  Active = source;
  std::erase_if(Pending, [&](const TEntry& entry) { return !Wanted(entry.Source); });
}

int TUpdateQueue::RunPending() {
  std::vector<TEntry> batch;
  {
    std::lock_guard<std::mutex> guard(Lock);
    batch.swap(Pending);
  }
  int run = 0;
  for (TEntry& entry : batch) {
    // The active source may have changed since the notice was posted.
    {
      std::lock_guard<std::mutex> guard(Lock);
      if (!Wanted(entry.Source)) continue;
    }
    entry.Update();
    ++run;
  }
  return run;
}

void TUpdateQueue::DrainAndClose() {
  RunPending();
  std::lock_guard<std::mutex> guard(Lock);
  IsClosed = true;
  Pending.clear();
}

bool TUpdateQueue::Closed() const {
  std::lock_guard<std::mutex> guard(Lock);
  return IsClosed;
}
