#pragma once
// Which particles and auxiliaries may follow a word of a type in a form.
// Read-only after construction: every caller gets a follower list of its own,
// so several cartridges may ask at once.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "common/string_list.h"
#include "kirimo/language/particle_dictionary.h"

struct TConnItem {
  std::int16_t WordType;
  std::int16_t Form;
  std::int16_t FollowerId;
};

class TConnect {
 public:
  // From connection-table lines "type,form,follower"; empty lines and lines
  // that do not parse are skipped, as are followers the dictionary lacks.
  TConnect(std::unique_ptr<TDictionaryJPSub> particleDic, const TStringList& connectionLines);
  TConnect(const TConnect&) = delete;
  TConnect& operator=(const TConnect&) = delete;

  // The words that may follow the phrase's last word in its last form, in
  // table order. The phrase must hold a word.
  std::span<const TWord* const> FindFollowers(const TPhrase& phrase) const;
  std::span<const TWord* const> FindFollowers(int type, int form) const;

  const TDictionaryJPSub& ParticleDic() const { return *ParticleDictionary; }
  const std::vector<TConnItem>& Items() const { return ItemList; }

 private:
  // The followers of one (type, form) pair: a range of FollowerWords.
  struct TPairRange {
    std::int16_t WordType;
    std::int16_t Form;
    std::uint32_t Begin;
    std::uint32_t End;
  };

  std::unique_ptr<TDictionaryJPSub> ParticleDictionary;
  std::vector<TConnItem> ItemList;
  // Sorted by type and form, so a query costs a binary search and its answer.
  std::vector<TPairRange> Pairs;
  std::vector<const TWord*> FollowerWords;
};

// One caller's walk over the followers of a phrase.
class TFollowerQuery {
 public:
  explicit TFollowerQuery(const TConnect& connect) : Connect(connect) {}

  // Starts over with the followers of phrase.
  void FindFollowers(const TPhrase& phrase);
  bool HasNextFollower() const { return Cursor < Followers.size(); }
  const TWord& NextFollower() { return *Followers[Cursor++]; }

 private:
  const TConnect& Connect;
  std::span<const TWord* const> Followers;
  std::size_t Cursor = 0;
};

// The program's connection object and its particle dictionary, built on first use.
const TConnect& GetConnect();
