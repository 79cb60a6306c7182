#pragma once
// A cartridge of any kind that records what it was asked to do, by the worker
// or directly, in order. Its key letters grow with keys and syllables and
// shrink with backs, so depths can be measured.
#include <mutex>
#include <string>

#include "kirimo/cartridge_base/cartridge.h"

class TRecordingCartridge : public TCartridge {
 public:
  TRecordingCartridge(std::string kind, const TAppIni& settings, TOutputOperations& output)
      : TCartridge(std::move(kind), settings, output) {
    KeyLetters = {""};
    BuildKeyLayouts();
  }
  ~TRecordingCartridge() override { StopWorker(); }

  void SendSelected() override {}
  void Forward() override { Record("forward"); }
  void SelectCandidate(int index) override { Record("select " + std::to_string(index)); }
  void Accumulate() override {
    TCartridge::Accumulate();
    Record("accumulate");
  }
  void Clear() override {
    TCartridge::Clear();
    SetKeyLetters({""});
    Record("clear");
  }
  void InputKey(std::string_view text) override { Step("key", text); }
  void InputSyllable(std::string_view text) override { Step("syllable", text); }
  void InputVowel(std::string_view text) override { Record("vowel " + std::string(text)); }
  void Back() override {
    {
      std::lock_guard<std::mutex> lock(StateMutex);
      if (KeyLetters.size() > 1) KeyLetters.pop_back();
    }
    Record("back");
  }
  void IdleWork() override { Record("idle"); }
  void ResetIdleWork() override { Record("reset idle"); }
  void ReloadDictionaries() override { Record("reload"); }
  bool UsesVowelKeys() const override { return KindName != "VK"; }

  void SetKeyLetters(TStringList letters) {
    std::lock_guard<std::mutex> lock(StateMutex);
    KeyLetters = std::move(letters);
  }
  // What was asked so far, leaving the record empty.
  TStringList TakeCalls() {
    WaitUntilIdle();
    std::lock_guard<std::mutex> lock(CallsMutex);
    TStringList calls;
    calls.swap(Recorded);
    return calls;
  }

 protected:
  void BuildKeyLayouts() override {
    KeyLayouts = {TStringList(12, KindName), TStringList(12, KindName + "2")};
    GridLayouts = {"ｱｲｳ"};
    LayoutIndex = 0;
    GridIndex = 0;
  }
  void SaveState() override { Record("save"); }

 private:
  void Step(const std::string& name, std::string_view text) {
    {
      std::lock_guard<std::mutex> lock(StateMutex);
      KeyLetters.emplace_back(text);
    }
    Record(name + " " + std::string(text));
  }
  void Record(std::string call) {
    std::lock_guard<std::mutex> lock(CallsMutex);
    Recorded.push_back(std::move(call));
  }

  std::mutex CallsMutex;
  TStringList Recorded;
};
