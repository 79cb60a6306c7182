#include "kirimo/cartridge_set/revolver.h"

#include "kirimo/cartridge_base/cartridge.h"

TRevolver::~TRevolver() {
  // The group only borrows; it must not see a cartridge half torn down.
  Group = TFollowGroup();
  Cartridges.clear();
}

void TRevolver::Add(std::unique_ptr<TCartridge> cartridge, bool follows) {
  if (!cartridge) return;
  if (follows) Group.AddMember(cartridge.get());
  Cartridges.push_back(std::move(cartridge));
}

void TRevolver::Activate() {
  if (IsEmpty()) return;
  for (auto& cartridge : Cartridges) cartridge->SetActive(false);
  Cartridges[CurrentIndex]->SetActive(true);
}

TCartridge* TRevolver::Current() {
  if (IsEmpty()) return nullptr;
  Activate();
  return Cartridges[CurrentIndex].get();
}

TCartridge* TRevolver::Next() {
  if (IsEmpty()) return nullptr;
  CurrentIndex = (CurrentIndex + 1) % Count();
  return Current();
}

void TRevolver::ReloadAll() {
  for (auto& cartridge : Cartridges) cartridge->ReloadDictionaries();
}

void TRevolver::SaveAll() {
  for (auto& cartridge : Cartridges) cartridge->SaveWhenIdle();
}

void TRevolver::WaitUntilIdle() const {
  for (const auto& cartridge : Cartridges) cartridge->WaitUntilIdle();
}
