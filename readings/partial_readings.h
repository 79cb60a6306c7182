#pragma once
// The partial readings of a notation's first characters while the proposer
// reads it. Each holds only the piece its last step adds to an earlier one, so
// the partials of a long word share what they have in common and take memory
// in proportion to its length, not to its square.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TPartial {
  float Cost = 0;
  const TPartial* Before = nullptr;  // what this one goes on from; none for the empty reading
  std::string Piece;                 // what it adds to that; empty only for the empty reading
  std::uint32_t Size = 0;            // bytes of the whole reading
  std::uint64_t Hash = 0;            // of the whole reading, as HashOfReading
  float Sino = -1.0f;  // of the last kanji read alone, as TReading::Sino; below 0 unknown
  // The last kanji when it was read alone, and how: neighbours that the
  // dictionaries' compounds read together cost less.
  std::string_view LastKanji;
  std::string_view LastPiece;

  // Its last byte and the one before, 0 where the reading is shorter.
  unsigned char Last() const;
  unsigned char BeforeLast() const;
  // The whole reading, written into out.
  void ReadingInto(std::string& out) const;
};

// A reading's hash, byte by byte (FNV-1a), so that a partial's is its
// earlier one's carried on over its piece.
std::uint64_t HashOfReading(std::string_view reading, std::uint64_t hash = 14695981039346656037ull);

// The best few distinct readings reaching one position. A position's partials
// must not change once later ones go on from them.
class TBest {
 public:
  static constexpr std::size_t Beam = 8;

  // The empty reading, where every other begins.
  void OfferEmpty();
  // before's reading followed by piece, kept when it is among the cheapest
  // and cheaper than the same reading reached another way. Readings that
  // hash alike are taken as the same: a clash only loses a proposal.
  void Offer(float cost, const TPartial& before, std::string_view piece, float sino = -1.0f,
             std::string_view lastKanji = {}, std::string_view lastPiece = {});
  const std::vector<TPartial>& Partials() const { return Items; }
  // Adds change(partial) to each cost.
  template <typename TChange>
  void Reprice(TChange change) {
    for (TPartial& p : Items) p.Cost += change(p);
    SortByCost();
  }

 private:
  void SortByCost();
  std::vector<TPartial> Items;
};
