#pragma once
// Every input mode of the keypad in a fixed order, with the one that is
// current; the dictionary-switch key steps through them. The Japanese
// cartridges also form the follow group.
#include <memory>
#include <vector>

#include "kirimo/cartridge_set/follow_group.h"

class TCartridge;

class TRevolver {
 public:
  TRevolver() = default;
  ~TRevolver();
  TRevolver(const TRevolver&) = delete;
  TRevolver& operator=(const TRevolver&) = delete;

  // Appends cartridge; a follower also joins the follow group.
  void Add(std::unique_ptr<TCartridge> cartridge, bool follows);

  bool IsEmpty() const { return Cartridges.empty(); }
  int Count() const { return static_cast<int>(Cartridges.size()); }
  // The current cartridge, activated; null when the revolver holds none.
  TCartridge* Current();
  // The next cartridge (the first after the last), activated; null when empty.
  TCartridge* Next();
  // Deactivates every cartridge, then activates the current one.
  void Activate();
  void ReloadAll();
  void SaveAll();
  // Blocks until every cartridge's worker is idle.
  void WaitUntilIdle() const;

  TFollowGroup& Followers() { return Group; }

 private:
  std::vector<std::unique_ptr<TCartridge>> Cartridges;
  int CurrentIndex = 0;
  TFollowGroup Group;
};
