#pragma once
// Work that must wait until the caller's locks are let go: output to the
// target may block on another program, so it never runs under a cartridge or
// view lock. Declare one before the lock guard; when it goes out of scope,
// after the guard, it runs its calls oldest first. A call that throws is
// dropped: a target that refuses must not stop the keypad.
#include <functional>
#include <vector>

class TAfterUnlock {
 public:
  TAfterUnlock() = default;
  ~TAfterUnlock() {
    for (auto& call : Calls) {
      try {
        call();
      } catch (...) {
      }
    }
  }
  TAfterUnlock(const TAfterUnlock&) = delete;
  TAfterUnlock& operator=(const TAfterUnlock&) = delete;

  void Add(std::function<void()> call) { Calls.push_back(std::move(call)); }

 private:
  std::vector<std::function<void()>> Calls;
};
