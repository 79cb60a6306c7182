#pragma once
// Builds the levels of the Japanese cartridge's key stack: the first-key list
// of a row key or grid syllable from the dictionaries and the particles, the
// level of a later key from the one below (its phrases carried on, or grown
// by connection), and the phrase-mode level of a chosen candidate. It holds
// no lock: it reads only what it is given, the dictionaries (each under its
// own read lock) and the grammar, so the worker builds while the UI thread
// goes on. Every loop asks its stop between two phrases.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/engine/phrase_list.h"

class TBucketView;
class TConnect;
class TDictionaryEXT;
class TDictionaryJPSub;

// What a key step builds from, taken under the cartridge's lock.
struct TKeyStep {
  std::string Letter;
  bool Syllable = false;
  int Depth = 0;      // the key letters the new level matches
  bool Grow = false;  // phrases shorter than Depth grow by connection
  std::string Anchor;
  // The levels under the new one: their phrases are carried on, so they stay
  // alive while the step builds even if a clear pops them.
  std::vector<std::shared_ptr<TPhraseList>> Below;
  std::shared_ptr<TPhraseList> Pushed;  // the new level while it is empty
  std::shared_ptr<TPhraseList> Cached;  // the first-key list the cache held
  std::string CacheKey;                 // where a first-key list is cached
  unsigned Generation = 0;
  const TDictionaryEXT* Main = nullptr;
  const TDictionaryEXT* User = nullptr;
};

// A built level and its candidates, ready to be put on the stack.
struct TBuiltLevel {
  std::shared_ptr<TPhraseList> List;
  std::shared_ptr<TPhraseList> NewlyCached;  // a first-key list to keep in the cache
  const TStringList* Candidates = nullptr;
  int TopIndex = 0;
};

// Phrase mode entered on a chosen candidate: what the worker builds from.
struct TPhraseStep {
  std::string Text;  // the chosen candidate
  int Depth = 0;     // its key length
  int Type = 0;      // the type of its last word
  std::vector<std::shared_ptr<TPhraseList>> Below;
  std::shared_ptr<TPhraseList> Pushed;
  unsigned Generation = 0;
};

struct TPhraseLevel {
  std::shared_ptr<TPhraseList> List;
  int Depth = 0;
  bool PlainWords = false;  // nothing grows: the variants are shown instead
  const TStringList* Candidates = nullptr;
  TStringList Variants;
};

class TLevelBuilder {
 public:
  explicit TLevelBuilder(const TConnect& connector);

  // The first-key list of a row key's letter or of a syllable; null when stopped.
  std::shared_ptr<TPhraseList> FirstKeyList(std::string_view letter, bool syllable,
                                            const TDictionaryEXT* main, const TDictionaryEXT* user,
                                            const TLoopStop& stop) const;
  // Where the first-key list of a letter or syllable is cached.
  static std::string CacheKeyOf(std::string_view letter, bool syllable);
  // None when stopped before the end.
  std::optional<TBuiltLevel> KeyLevel(const TKeyStep& step, const TLoopStop& stop) const;
  std::optional<TPhraseLevel> PhraseLevel(const TPhraseStep& step, const TLoopStop& stop) const;

 private:
  using TFilter = bool (*)(const TPhrase& phrase, std::string_view letter, int depth);

  std::shared_ptr<TPhraseList> RowList(std::string_view letter, const TDictionaryEXT* main,
                                       const TDictionaryEXT* user, const TLoopStop& stop) const;
  std::shared_ptr<TPhraseList> SyllableList(std::string_view syllable, const TDictionaryEXT* main,
                                            const TDictionaryEXT* user,
                                            const TLoopStop& stop) const;
  static void AddBucketWords(const TBucketView& bucket, TPhraseList& list, const TLoopStop& stop);
  static void AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                             std::string_view syllable, const TLoopStop& stop);
  // Grows phrase by each follower in each form; with a filter only the grown
  // phrases it accepts at depth are kept. Syllable mode adds with its own measure.
  void AddConnected(const TPhrase* phrase, TPhraseList& list, const TLoopStop& stop,
                    TFilter filter = nullptr, std::string_view letter = {}, int depth = 0,
                    bool syllable = false) const;
  void AddFollowing(const TKeyStep& step, TPhraseList& next, const TLoopStop& stop) const;

  const TConnect& Connector;
  const TDictionaryJPSub& Particles;
};
