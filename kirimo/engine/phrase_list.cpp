#include "kirimo/engine/phrase_list.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "common/collation.h"
#include "common/cp932.h"
#include "common/key_encoding.h"
#include "kirimo/language/word.h"

namespace {

using TGroupTable = std::array<std::uint8_t, 256>;

TGroupTable MakeGroupTable() {
  TGroupTable table;
  table.fill(6);
  const char* const Members[] = {"ｧｬｰｱｶｻﾀﾅﾊﾏﾔﾗﾜ0ADGJMPTW", "ｨｲｷｼﾁﾆﾋﾐﾘBEHKNQUX",
                                 "ｩｭｯｳｸｽﾂﾇﾌﾑﾕﾙﾝCFILORVY", "ｪｴｹｾﾃﾈﾍﾒﾚSZ", "ｦｫｮｵｺｿﾄﾉﾎﾓﾖﾛ"};
  for (int group = 5; group >= 1; --group) {
    for (const char* c = Members[group - 1]; *c != 0; ++c) {
      table[static_cast<unsigned char>(*c)] = static_cast<std::uint8_t>(group);
    }
  }
  return table;
}

int GroupOfByte(unsigned char byte) {
  static const TGroupTable Table = MakeGroupTable();
  if (byte >= 'a' && byte <= 'z') byte = static_cast<unsigned char>(byte - 'a' + 'A');
  return Table[byte];
}

// First byte of a phrase's reading, found without building the reading; -1 when it is empty.
int FirstReadingByte(const TPhrase* phrase) {
  if (phrase == nullptr) return -1;
  int earlier = FirstReadingByte(phrase->Previous());
  if (earlier >= 0 || phrase->Word() == nullptr) return earlier;
  const std::string& stem = phrase->Word()->Reading();
  if (!stem.empty()) return static_cast<unsigned char>(stem[0]);
  std::string ending = phrase->Word()->ReadingOf(phrase->Form());  // an empty stem: just the ending
  return ending.empty() ? -1 : static_cast<unsigned char>(ending[0]);
}

// The character at pos (from 1) of a normalised reading, voicing marks not
// counted; empty when the reading is shorter.
std::string_view CharWithoutMarksAt(std::string_view normalized, int pos) {
  int count = 0;
  for (std::size_t i = 0; i < normalized.size();) {
    std::size_t length = CharLengthAt(normalized, i);
    if (length == 1 && (normalized[i] == '\xDE' || normalized[i] == '\xDF')) {
      ++i;
      continue;
    }
    if (++count == pos) return normalized.substr(i, length);
    i += length;
  }
  return {};
}

// The normalised initial of a phrase whose reading begins with a one-byte
// letter, as a byte; -1 for any other. Readings nearly always do: then the
// whole reading need not be built, and stepping the anchor over a long list
// stays quick.
int OneByteInitial(const TPhrase* phrase) {
  static const std::array<int, 256> Normalized = [] {
    std::array<int, 256> table;
    table.fill(-1);
    for (int byte = 1; byte < 256; ++byte) {
      if (byte == 0xDE || byte == 0xDF || IsLeadByte(static_cast<unsigned char>(byte))) continue;
      table[byte] =
          static_cast<unsigned char>(NormalizeKana(std::string(1, static_cast<char>(byte)))[0]);
    }
    return table;
  }();
  int first = FirstReadingByte(phrase);
  return first < 0 ? -1 : Normalized[first];
}

// The initial of a phrase as the anchor compares it.
std::string InitialOf(const TPhrase* phrase) {
  int byte = OneByteInitial(phrase);
  if (byte >= 0) return std::string(1, static_cast<char>(byte));
  return std::string(CharWithoutMarksAt(phrase->GetNormalizedReading(), 1));
}

// Whether a phrase has initial (whose one-byte form, or -1, is byte).
bool HasInitial(const TPhrase* phrase, int byte, const std::string& initial) {
  int own = OneByteInitial(phrase);
  if (own >= 0) return own == byte;
  return InitialOf(phrase) == initial;
}

// The one-byte form of an initial, or -1.
int ByteOf(const std::string& initial) {
  return initial.size() == 1 ? static_cast<unsigned char>(initial[0]) : -1;
}

}  // namespace

int GroupOfReading(std::string_view reading) {
  return reading.empty() ? 6 : GroupOfByte(static_cast<unsigned char>(reading[0]));
}

TPhrasePool& TPhraseList::Pool() { return Source ? Source->Pool() : Nodes; }

void TPhraseList::AddTo(const TPhrase* phrase, int length) {
  int first = FirstReadingByte(phrase);
  int group = first < 0 ? 6 : GroupOfByte(static_cast<unsigned char>(first));
  Groups[group - 1].push_back(phrase);
  All.push_back(phrase);
  LongestLength = std::max(LongestLength, length);
}

void TPhraseList::Add(const TPhrase* phrase) {
  if (Source) return Source->Add(phrase);
  AddTo(phrase, phrase->GetKeyLength());
}

void TPhraseList::AddSyllable(const TPhrase* phrase) {
  if (Source) return Source->AddSyllable(phrase);
  AddTo(phrase, static_cast<int>(phrase->GetNormalizedReading().size()));
}

const TPhrase* TPhraseList::GetItem(std::size_t index) const {
  if (Source) return Source->GetItem(index);
  return All[index];
}

std::size_t TPhraseList::Count() const { return Source ? Source->Count() : All.size(); }

int TPhraseList::MaxLength() const { return Source ? Source->MaxLength() : LongestLength; }

const TPhraseList::TPhrases& TPhraseList::GroupOfLetter(std::string_view text) const {
  if (Source) return Source->GroupOfLetter(text);
  return Groups[GroupOfReading(text) - 1];
}

const TStringList& TPhraseList::Candidates() const {
  return Source ? Source->Candidates() : CandidateTexts;
}

const TPhrase* TPhraseList::CandidatePhrase(std::size_t index) const {
  if (Source) return Source->CandidatePhrase(index);
  return index < CandidatePhrases.size() ? CandidatePhrases[index] : nullptr;
}

void TPhraseList::StartSelection() {
  CandidateTexts.clear();
  CandidatePhrases.clear();
  Index.Clear();
  TopIndex = 0;
  All.clear();
  Lengths.clear();
}

// A phrase's notation becomes a candidate unless an earlier phrase gave it already.
void TPhraseList::Take(const TPhrase* phrase) {
  CandidateTexts.push_back(phrase->GetNotation());
  if (Index.Insert(CandidateTexts, CandidateTexts.size() - 1)) {
    CandidatePhrases.push_back(phrase);
  } else {
    CandidateTexts.pop_back();
  }
}

int TPhraseList::Measure(const TPhrase* phrase, TMeasure measure) {
  return measure == TMeasure::KeyLength ? phrase->GetKeyLength()
                                        : static_cast<int>(phrase->GetNormalizedReading().size());
}

// Walks the groups once into All, measuring each phrase; later passes reuse both.
void TPhraseList::GatherAll(TMeasure measure) {
  for (const TPhrases& group : Groups) {
    for (const TPhrase* phrase : group) {
      All.push_back(phrase);
      Lengths.push_back(Measure(phrase, measure));
    }
  }
}

// Takes the phrases whose length lies in the range; while five or fewer
// candidates are found, moves the range on by one as long as a phrase reaches it.
void TPhraseList::CollectFrom(int shortest, int longest, TMeasure measure) {
  if (LongestLength < longest) return;
  GatherAll(measure);
  for (; longest <= LongestLength; ++shortest, ++longest) {
    for (std::size_t i = 0; i < All.size(); ++i) {
      if (Lengths[i] >= shortest && Lengths[i] <= longest) Take(All[i]);
    }
    if (MoreThanFive()) break;
  }
}

const TStringList& TPhraseList::SelectAll() {
  if (Source) return Source->SelectAll();
  StartSelection();
  for (const TPhrases& group : Groups) {
    for (const TPhrase* phrase : group) {
      All.push_back(phrase);
      Take(phrase);
    }
  }
  return CandidateTexts;
}

// Row mode measures phrases by key letters, syllable mode by normalised reading bytes.
const TStringList& TPhraseList::SelectByMeasure(int depth, TMeasure measure) {
  StartSelection();
  if (depth > 0) CollectFrom(depth, depth, measure);
  if (depth > 1) SortCandidates(true);
  return CandidateTexts;
}

const TStringList& TPhraseList::SelectByLength(int depth) {
  if (Source) return Source->SelectByLength(depth);
  return SelectByMeasure(depth, TMeasure::KeyLength);
}

const TStringList& TPhraseList::SelectSyllable(int depth) {
  // A delegating list shows its cached list as row mode does.
  if (Source) return Source->SelectByLength(depth);
  return SelectByMeasure(depth, TMeasure::SyllableLength);
}

const TStringList& TPhraseList::SelectByRange(int shortest, int longest) {
  if (Source) return Source->SelectByRange(shortest, longest);
  StartSelection();
  CollectFrom(shortest, longest, TMeasure::KeyLength);
  SortCandidates(false);
  return CandidateTexts;
}

const TStringList& TPhraseList::NarrowByVowel(std::string_view letter, int depth,
                                              const TLoopStop& stop) {
  if (Source) return Source->NarrowByVowel(letter, depth, stop);
  StartSelection();
  if (depth <= 0 || LongestLength < depth) return CandidateTexts;
  auto stopped = [&stop] { return stop && stop(); };
  auto keep = [&](const TPhrase* phrase) {
    int length = phrase->GetKeyLength();
    All.push_back(phrase);
    Lengths.push_back(length);
    if (length == depth) Take(phrase);
  };
  if (depth == 1) {
    for (const TPhrase* phrase : GroupOfLetter(letter)) {
      if (stopped()) return CandidateTexts;
      keep(phrase);
    }
  } else {
    for (const TPhrases& group : Groups) {
      for (const TPhrase* phrase : group) {
        if (stopped()) return CandidateTexts;
        if (CharWithoutMarksAt(phrase->GetNormalizedReading(), depth) == letter) keep(phrase);
      }
    }
  }
  for (int length = depth; length <= LongestLength && !MoreThanFive(); ++length) {
    for (std::size_t i = 0; i < All.size() && !MoreThanFive(); ++i) {
      if (Lengths[i] == length) Take(All[i]);
    }
  }
  return CandidateTexts;
}

// Orders the candidates by reading, notation and notation length (byReading),
// or by notation length and notation.
void TPhraseList::SortCandidates(bool byReading) {
  std::size_t count = CandidateTexts.size();
  SortText.clear();
  SortEnds.clear();
  if (byReading) {
    for (const TPhrase* phrase : CandidatePhrases) {
      SortText += phrase->GetReading();
      SortEnds.push_back(SortText.size());
    }
  }
  auto readingOf = [&](std::size_t i) {
    std::size_t begin = i == 0 ? 0 : SortEnds[i - 1];
    return std::string_view(SortText).substr(begin, SortEnds[i] - begin);
  };
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const std::string& notationA = CandidateTexts[a];
    const std::string& notationB = CandidateTexts[b];
    if (byReading) {
      if (int byText = CompareText(readingOf(a), readingOf(b))) return byText < 0;
      if (int byText = CompareText(notationA, notationB)) return byText < 0;
      return notationA.size() < notationB.size();
    }
    if (notationA.size() != notationB.size()) return notationA.size() < notationB.size();
    return CompareText(notationA, notationB) < 0;
  });
  TStringList texts;
  TPhrases phrases;
  texts.reserve(count);
  phrases.reserve(count);
  for (std::size_t i : order) {
    texts.push_back(std::move(CandidateTexts[i]));
    phrases.push_back(CandidatePhrases[i]);
  }
  CandidateTexts = std::move(texts);
  CandidatePhrases = std::move(phrases);
}

const std::string& TPhraseList::GetAnchor() const { return Source ? Source->GetAnchor() : Anchor; }

void TPhraseList::SetAnchor(std::string_view anchor) {
  if (Source) return Source->SetAnchor(anchor);
  Anchor = anchor;
}

int TPhraseList::GetSavedIndex() const { return Source ? Source->GetSavedIndex() : SavedIndex; }

void TPhraseList::SetSavedIndex(int index) {
  if (Source) return Source->SetSavedIndex(index);
  SavedIndex = index;
}

int TPhraseList::AnchorTopIndex() {
  if (Source) return Source->AnchorTopIndex();
  if (Anchor.empty()) return TopIndex;
  std::string initial(std::string_view(Anchor).substr(0, CharLengthAt(Anchor, 0)));
  int byte = ByteOf(initial);
  for (std::size_t i = 0; i < CandidatePhrases.size(); ++i) {
    if (HasInitial(CandidatePhrases[i], byte, initial)) {
      TopIndex = static_cast<int>(i);
      break;
    }
  }
  return TopIndex;
}

int TPhraseList::NextAnchor() {
  if (Source) return Source->NextAnchor();
  if (CandidatePhrases.empty()) return 0;
  std::size_t top = static_cast<std::size_t>(TopIndex) < CandidatePhrases.size() ? TopIndex : 0;
  std::string current = InitialOf(CandidatePhrases[top]);
  int byte = ByteOf(current);
  TopIndex = 0;
  Anchor = InitialOf(CandidatePhrases[0]);
  for (std::size_t i = top + 1; i < CandidatePhrases.size(); ++i) {
    if (!HasInitial(CandidatePhrases[i], byte, current)) {
      Anchor = InitialOf(CandidatePhrases[i]);
      TopIndex = static_cast<int>(i);
      break;
    }
  }
  SavedIndex = TopIndex;
  return TopIndex;
}
