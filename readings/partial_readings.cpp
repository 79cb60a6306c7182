#include "readings/partial_readings.h"

#include <algorithm>

std::uint64_t HashOfReading(std::string_view reading, std::uint64_t hash) {
  for (char c : reading) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

unsigned char TPartial::Last() const {
  return Piece.empty() ? 0 : static_cast<unsigned char>(Piece.back());
}

unsigned char TPartial::BeforeLast() const {
  if (Piece.size() >= 2) return static_cast<unsigned char>(Piece[Piece.size() - 2]);
  return Piece.empty() || Before == nullptr ? 0 : Before->Last();
}

void TPartial::ReadingInto(std::string& out) const {
  out.resize(Size);
  for (const TPartial* p = this; p != nullptr && p->Size > 0; p = p->Before)
    out.replace(p->Size - p->Piece.size(), p->Piece.size(), p->Piece);
}

void TBest::OfferEmpty() {
  Items.clear();
  Items.push_back({});
  Items.back().Hash = HashOfReading({});
}

void TBest::Offer(float cost, const TPartial& before, std::string_view piece, float sino,
                  std::string_view lastKanji, std::string_view lastPiece) {
  if (piece.empty()) return;  // a step that reads nothing is no reading of its characters
  const std::uint32_t size = before.Size + static_cast<std::uint32_t>(piece.size());
  const std::uint64_t hash = HashOfReading(piece, before.Hash);
  auto same = std::find_if(Items.begin(), Items.end(),
                           [&](const TPartial& p) { return p.Size == size && p.Hash == hash; });
  if (same != Items.end()) {
    if (same->Cost <= cost) return;
    Items.erase(same);
  } else if (Items.size() == Beam) {
    if (Items.back().Cost <= cost) return;
    Items.pop_back();
  }
  if (Items.capacity() < Beam) Items.reserve(Beam);
  auto place = std::upper_bound(Items.begin(), Items.end(), cost,
                                [](float c, const TPartial& p) { return c < p.Cost; });
  Items.insert(place,
               TPartial{cost, &before, std::string(piece), size, hash, sino, lastKanji, lastPiece});
}

void TBest::SortByCost() {
  std::stable_sort(Items.begin(), Items.end(),
                   [](const TPartial& x, const TPartial& y) { return x.Cost < y.Cost; });
}
