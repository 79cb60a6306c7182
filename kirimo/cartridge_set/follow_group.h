#pragma once
// The Japanese cartridges that are not plugged in follow the one that is: the
// same keys, vowels, backs and clears are queued to them, so switching the
// dictionary shows its candidates for the same keys at once.
#include <string_view>
#include <vector>

#include "kirimo/cartridge_base/operation.h"

class TCartridge;

class TFollowGroup {
 public:
  // Not owned; the revolver outlives the group's use of them. Null is ignored.
  void AddMember(TCartridge* cartridge);
  const std::vector<TCartridge*>& GetMembers() const { return Members; }

  // Queued to every member that is not active.
  void SyllableAll(std::string_view text);
  void KeyAll(std::string_view text);
  void VowelAll(std::string_view text);
  void BackAll();  // a failing member ends it quietly
  void ClearAll();
  void IdleWorkAll();
  // Brings every inactive member back to depth key steps; a failing member
  // ends it quietly.
  void AlignDepth(int depth);

  // Called directly on every member, the active one included.
  void ClearEveryMember();
  void StopIdleWorkAll();
  void ResetIdleWorkAll();
  void AbortAll();

 private:
  void PostToFollowers(TOperationKind kind, std::string_view text = {});

  std::vector<TCartridge*> Members;
};
