#include "kirimo/cartridge_set/follow_group.h"

#include <string>

#include "kirimo/cartridge_base/cartridge.h"

void TFollowGroup::AddMember(TCartridge* cartridge) {
  if (cartridge != nullptr) Members.push_back(cartridge);
}

void TFollowGroup::PostToFollowers(TOperationKind kind, std::string_view text) {
  for (TCartridge* member : Members) {
    if (!member->IsActive()) member->PostOperation({kind, std::string(text)});
  }
}

void TFollowGroup::SyllableAll(std::string_view text) { PostToFollowers(opSyllable, text); }
void TFollowGroup::KeyAll(std::string_view text) { PostToFollowers(opKey, text); }
void TFollowGroup::VowelAll(std::string_view text) { PostToFollowers(opVowel, text); }
void TFollowGroup::ClearAll() { PostToFollowers(opClear); }
void TFollowGroup::IdleWorkAll() { PostToFollowers(opIdle); }

void TFollowGroup::BackAll() {
  try {
    PostToFollowers(opBack);
  } catch (...) {
    // A follower that cannot take the step must not stop the active cartridge's.
  }
}

void TFollowGroup::AlignDepth(int depth) {
  try {
    for (TCartridge* member : Members) {
      if (!member->IsActive()) member->BackToDepth(depth);
    }
  } catch (...) {
    // As in BackAll.
  }
}

void TFollowGroup::ClearEveryMember() {
  for (TCartridge* member : Members) member->Clear();
}

void TFollowGroup::StopIdleWorkAll() {
  for (TCartridge* member : Members) member->StopIdleWork();
}

void TFollowGroup::ResetIdleWorkAll() {
  for (TCartridge* member : Members) member->ResetIdleWork();
}

void TFollowGroup::AbortAll() {
  for (TCartridge* member : Members) member->AbortRequested = true;
}
