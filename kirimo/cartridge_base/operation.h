#pragma once
// One queued cartridge operation: what the worker is to call, with its text.
#include <cstdint>
#include <string>

// Kinds are stored in one byte; any value not named here makes the worker do nothing.
enum TOperationKind : std::uint8_t {
  opNone = 0,
  opSyllable = 1,  // InputSyllable
  opKey = 2,       // InputKey
  opVowel = 3,     // InputVowel
  opBack = 4,      // Back
  opClear = 5,     // Clear
  opIdle = 6,      // IdleWork
  opDeferred = 7,  // DeferredWork: the long part of a UI-thread operation
};

struct TOperationMsg {
  TOperationKind Kind = opNone;
  std::string Text;
};
