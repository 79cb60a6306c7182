#include "kirimo/engine/level_builder.h"

#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/engine/growth_sources.h"
#include "kirimo/engine/key_letters.h"
#include "kirimo/engine/variants_list.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/connect.h"
#include "kirimo/language/particle_dictionary.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"

namespace {

bool FormExists(const std::array<std::string, FormCount>& endings, int form) {
  return endings[form] != "_";
}

// The grid keeps its first-key lists apart from the row keys' ("ｰ" and "@" are both).
std::string SyllableKey(std::string_view syllable) {
  std::string key(1, '/');
  key.append(syllable);
  return key;
}

bool KeyMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchKeyAt(letter, depth) == MatchYes;
}

bool SyllableMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchSyllableAt(letter, depth) == MatchYes;
}

// Verb types whose stem alone is one key short of the shortest form.
bool TakesExtraKey(int type) {
  return (type >= 4 && type <= 7) || (type >= 9 && type <= AdjectiveWordType);
}

bool OnlyPlainWords(const TPhraseList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const TWord* word = list.GetItem(i)->LastWord();
    if (word != nullptr && word->WordType() != OtherWordType) return false;
  }
  return true;
}

}  // namespace

TLevelBuilder::TLevelBuilder(const TConnect& connector)
    : Connector(connector), Particles(connector.ParticleDic()) {}

void TLevelBuilder::AddBucketWords(const TBucketView& bucket, TPhraseList& list,
                                   const TLoopStop& stop) {
  for (const TWord& word : bucket) {
    if (stop()) return;
    list.Add(list.Pool().New(word, word.WordType() > 1 ? 8 : 0));
    if (word.WordType() == AdjectivalNounWordType) list.Add(list.Pool().New(word, 0));
  }
}

void TLevelBuilder::AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                                   std::string_view syllable, const TLoopStop& stop) {
  const TConjugation& conjugation = GetConjugation();
  bool byKey = syllable == "@" || syllable == "ｰ";
  for (const TWord& word : bucket) {
    if (stop()) return;
    const auto& endings = conjugation.EndingList(word.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase phrase(word, form);
      TMatch match = byKey ? phrase.MatchKeyAt(syllable, n) : phrase.MatchSyllableAt(syllable, n);
      if (match == MatchYes) list.AddSyllable(list.Pool().New(phrase));
    }
  }
}

void TLevelBuilder::AddConnected(const TPhrase* phrase, TPhraseList& list, const TLoopStop& stop,
                                 TFilter filter, std::string_view letter, int depth,
                                 bool syllable) const {
  const TConjugation& conjugation = GetConjugation();
  TFollowerQuery query(Connector);
  query.FindFollowers(*phrase);
  while (query.HasNextFollower() && !stop()) {
    const TWord& follower = query.NextFollower();
    const auto& endings = conjugation.EndingList(follower.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase grown(follower, form, phrase);
      if (filter && !filter(grown, letter, depth)) continue;
      const TPhrase* node = list.Pool().New(grown);
      if (syllable) {
        list.AddSyllable(node);
      } else {
        list.Add(node);
      }
    }
  }
}

std::shared_ptr<TPhraseList> TLevelBuilder::RowList(std::string_view letter,
                                                    const TDictionaryEXT* main,
                                                    const TDictionaryEXT* user,
                                                    const TLoopStop& stop) const {
  auto list = std::make_shared<TPhraseList>();
  for (char c : RowOf(letter)) {
    std::string_view one(&c, 1);
    for (const TPhrase* phrase : Particles.GetPhrases()) {
      if (phrase->MatchKeyStringAt(one, 1) == MatchYes) list->Add(phrase->Follow(list->Pool()));
    }
    if (user) AddBucketWords(user->BucketOfKey(one), *list, stop);
    if (main) AddBucketWords(main->BucketOfKey(one), *list, stop);
  }
  // A partial list is never kept.
  return stop() ? nullptr : list;
}

std::shared_ptr<TPhraseList> TLevelBuilder::SyllableList(std::string_view syllable,
                                                         const TDictionaryEXT* main,
                                                         const TDictionaryEXT* user,
                                                         const TLoopStop& stop) const {
  auto list = std::make_shared<TPhraseList>();
  for (const TPhrase* phrase : Particles.GetPhrases()) {
    if (phrase->MatchSyllableAt(syllable, 1) == MatchYes) {
      list->AddSyllable(phrase->Follow(list->Pool()));
    }
  }
  if (user) AddBucketForms(user->BucketOfKey(syllable), *list, 1, syllable, stop);
  if (main) AddBucketForms(main->BucketOfKey(syllable), *list, 1, syllable, stop);
  return stop() ? nullptr : list;
}

std::shared_ptr<TPhraseList> TLevelBuilder::FirstKeyList(std::string_view letter, bool syllable,
                                                         const TDictionaryEXT* main,
                                                         const TDictionaryEXT* user,
                                                         const TLoopStop& stop) const {
  return syllable ? SyllableList(letter, main, user, stop) : RowList(letter, main, user, stop);
}

std::string TLevelBuilder::CacheKeyOf(std::string_view letter, bool syllable) {
  return syllable ? SyllableKey(letter) : std::string(RowOf(letter));
}

std::optional<TBuiltLevel> TLevelBuilder::KeyLevel(const TKeyStep& step,
                                                   const TLoopStop& stop) const {
  TBuiltLevel built;
  if (!step.CacheKey.empty()) {
    std::shared_ptr<TPhraseList> source = step.Cached;
    if (!source) {
      source = FirstKeyList(step.Letter, step.Syllable, step.Main, step.User, stop);
      if (!source) return std::nullopt;
      built.NewlyCached = source;
    }
    built.List = std::make_shared<TPhraseList>(source);
  } else {
    built.List = std::make_shared<TPhraseList>();
    built.List->Continue(step.Below.back());
    AddFollowing(step, *built.List, stop);
  }
  if (stop()) return std::nullopt;
  TPhraseList& list = *built.List;
  list.SetAnchor(step.Anchor);
  built.Candidates =
      step.Syllable ? &list.SelectSyllable(step.Depth) : &list.SelectByLength(step.Depth);
  built.TopIndex = list.AnchorTopIndex();
  return built;
}

void TLevelBuilder::AddFollowing(const TKeyStep& step, TPhraseList& next,
                                 const TLoopStop& stop) const {
  const TPhraseList& top = *step.Below.back();
  TFilter filter = step.Syllable ? SyllableMatches : KeyMatches;
  TGrowthSources grown;
  for (std::size_t i = 0; i < top.Count() && !stop(); ++i) {
    const TPhrase* phrase = top.GetItem(i);
    TMatch match = step.Syllable ? phrase->MatchSyllableAt(step.Letter, step.Depth)
                                 : phrase->MatchKeyAt(step.Letter, step.Depth);
    if (match == MatchYes) {
      const TPhrase* carried = phrase->Follow(next.Pool());
      if (step.Syllable) {
        next.AddSyllable(carried);
      } else {
        next.Add(carried);
      }
    } else if (match == MatchBeyondEnd && step.Grow && grown.IsNew(*phrase)) {
      AddConnected(phrase, next, stop, filter, step.Letter, step.Depth, step.Syllable);
    }
  }
}

std::optional<TPhraseLevel> TLevelBuilder::PhraseLevel(const TPhraseStep& step,
                                                       const TLoopStop& stop) const {
  const TConjugation& conjugation = GetConjugation();
  const TPhraseList& top = *step.Below.back();
  TPhraseLevel built;
  built.List = std::make_shared<TPhraseList>();
  TPhraseList& next = *built.List;
  int depth = step.Depth;
  int type = step.Type;
  TGrowthSources expanded;
  for (std::size_t i = 0; i < top.Count() && !stop(); ++i) {
    const TPhrase* phrase = top.GetItem(i);
    const TWord* word = phrase->LastWord();
    if (word == nullptr) continue;
    if (word->Notation() != step.Text && phrase->GetNotation() != step.Text) continue;
    // Equal words expand equally; their key length is the same too.
    if (!expanded.IsNew(*word)) continue;
    const auto& endings = conjugation.EndingList(word->WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (endings[form] == "_") continue;
      const TPhrase* stem = next.Pool().New(*word, form);
      next.Add(stem);
      AddConnected(stem, next, stop);
    }
    if (word->KeyLength() < depth) {
      depth = word->KeyLength();
      type = word->WordType();
    }
  }
  if (stop()) return std::nullopt;
  if (depth != 0 && TakesExtraKey(type)) ++depth;
  if (depth == 0) depth = 1;
  built.Depth = depth;
  built.PlainWords = OnlyPlainWords(next);
  if (built.PlainWords) {
    built.Candidates = &next.SelectByLength(depth);
    std::optional<TStringList> variants = TVariantsList::VariantsOf(step.Text, next, stop);
    if (!variants) return std::nullopt;
    built.Variants = std::move(*variants);
  } else {
    built.Candidates = &next.SelectByRange(depth, depth + 1);
  }
  return built;
}
