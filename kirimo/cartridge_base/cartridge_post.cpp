// Posting operations to a cartridge's worker, and what the worker calls for each.
#include <cstddef>

#include "common/cp932.h"
#include "common/kana_conversion.h"
#include "kirimo/cartridge_base/cartridge.h"

namespace {

// "か" -> "ｶ", "ABC" -> "A", "@/あ" -> "@".
std::string FirstKeyLetter(std::string_view text) {
  std::string halfWidth = ToHalfWidth(ToKatakana(text));
  return halfWidth.substr(0, CharLengthAt(halfWidth, 0));
}

std::size_t LastCharStart(std::string_view text) {
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) start = pos;
  return start;
}

}  // namespace

void TCartridge::PostOperation(TOperationMsg msg) {
  if (msg.Kind != opIdle && msg.Kind != opDeferred && !IsKeyCommand(msg.Text)) {
    PreEditKeyString(msg.Kind, msg.Text);
    ShowStatus(GetKeyString());
    WithListBox([](TCandidateListModel& list) { list.Clear(); });
  }
  Worker.Post(std::move(msg));
}

void TCartridge::PreEditKeyString(TOperationKind kind, std::string_view text) {
  std::lock_guard<std::mutex> lock(KeyMutex);
  switch (kind) {
    case opSyllable:
    case opKey:
      if (!DeadEnd) KeyString += FirstKeyLetter(text);
      break;
    case opVowel:
      if (!DeadEnd)
        KeyString = KeyString.substr(0, LastCharStart(KeyString)) + FirstKeyLetter(text);
      break;
    case opBack:
      DeadEnd = false;
      if (KeyString != "/") {
        KeyString.erase(LastCharStart(KeyString));
      } else {
        KeyString = std::move(PrevKeyString);
        PrevKeyString.clear();
      }
      break;
    case opClear:
      DeadEnd = false;
      KeyString.clear();
      break;
    default:
      break;
  }
}

void TCartridge::RunOperation(const TOperationMsg& msg) {
  switch (msg.Kind) {
    case opSyllable:
      InputSyllable(msg.Text);
      break;
    case opKey:
      InputKey(msg.Text);
      break;
    case opVowel:
      InputVowel(msg.Text);
      break;
    case opBack:
      Back();
      break;
    case opClear:
      Clear();
      break;
    case opIdle:
      IdleWork();
      break;
    case opDeferred:
      DeferredWork();
      break;
    default:
      break;
  }
}
