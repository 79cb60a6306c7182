#pragma once
// Holds a cartridge's worker at its build probe, between two phrases of a
// long loop, so that a test orders its gestures by events: while the gate is
// shut the worker waits inside the build, holding no lock of the cartridge;
// once it is let go, the probe calls that follow are counted. A worker held
// for a minute means the test is stuck behind it (a gesture waiting for the
// build): the gate then lets it go, Holding answers false, and the test fails
// instead of hanging.
#include <condition_variable>  // brings std::chrono (<chrono> itself cannot be included)
#include <mutex>

#include "kirimo/engine/cartridge_ext.h"

// A stopped build asks its probe a few more times as its loops unwind; one
// that went on would ask again for each word or phrase it had left.
constexpr int UnwindingPasses = 20;

class TWorkerGate {
 public:
  TCartridgeEXT::TBuildProbe Probe() {
    return [this] { Pass(); };
  }

  // The worker's next probe call waits at the gate.
  void Shut() {
    std::lock_guard lock(Mutex);
    IsShut = true;
  }
  // Blocks until the worker waits at the shut gate; false when it never came.
  bool WaitUntilHeld() {
    std::unique_lock lock(Mutex);
    return Changed.wait_for(lock, Patience, [this] { return Held; });
  }
  // The worker still waits at the gate (it was not let go for waiting too long).
  bool Holding() const {
    std::lock_guard lock(Mutex);
    return Held;
  }
  // Lets the worker go on; the probe calls after it are counted from here.
  void Open() {
    std::lock_guard lock(Mutex);
    IsShut = false;
    Passes = 0;
    Changed.notify_all();
  }
  int PassesSinceOpen() const {
    std::lock_guard lock(Mutex);
    return Passes;
  }

 private:
  void Pass() {
    std::unique_lock lock(Mutex);
    ++Passes;
    if (!IsShut) return;
    Held = true;
    Changed.notify_all();
    Changed.wait_for(lock, Patience, [this] { return !IsShut; });
    Held = false;
    IsShut = false;
  }

  static constexpr std::chrono::minutes Patience{1};
  mutable std::mutex Mutex;
  std::condition_variable Changed;
  bool IsShut = false;
  bool Held = false;
  int Passes = 0;
};
