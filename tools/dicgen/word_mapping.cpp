#include "tools/dicgen/word_mapping.h"

#include <algorithm>
#include <array>
#include <optional>

#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

constexpr int kOther = 0;
constexpr int kNoun = 1;
constexpr int kSuruNoun = 4;
constexpr int kAdjectivalNoun = 22;

// A conjugation type of IPADIC, our word type, and the ending of its base form
// as written and as read.
struct TConjugation {
  std::string_view IpadicName;
  int Type;
  std::string_view Ending;
  std::string_view EndingReading;
};

constexpr std::array kConjugations{
    TConjugation{"カ変・クル", 2, "くる", "ｸﾙ"},
    TConjugation{"カ変・来ル", 3, "る", "ﾙ"},
    TConjugation{"サ変・スル", 4, "する", "ｽﾙ"},
    TConjugation{"サ変・－スル", 5, "する", "ｽﾙ"},
    TConjugation{"サ変・－ズル", 6, "ずる", "ｽﾞﾙ"},
    TConjugation{"一段", 8, "る", "ﾙ"},
    TConjugation{"五段・カ行イ音便", 9, "く", "ｸ"},
    TConjugation{"五段・カ行促音便", 10, "く", "ｸ"},
    // 行く read ゆく: its forms are those of the type above.
    TConjugation{"五段・カ行促音便ユク", 10, "く", "ｸ"},
    TConjugation{"五段・ガ行", 11, "ぐ", "ｸﾞ"},
    TConjugation{"五段・サ行", 12, "す", "ｽ"},
    TConjugation{"五段・タ行", 13, "つ", "ﾂ"},
    TConjugation{"五段・ナ行", 14, "ぬ", "ﾇ"},
    TConjugation{"五段・バ行", 15, "ぶ", "ﾌﾞ"},
    TConjugation{"五段・マ行", 16, "む", "ﾑ"},
    TConjugation{"五段・ラ行", 17, "る", "ﾙ"},
    TConjugation{"五段・ラ行特殊", 18, "る", "ﾙ"},
    TConjugation{"五段・ワ行促音便", 19, "う", "ｳ"},
    TConjugation{"五段・ワ行ウ音便", 20, "う", "ｳ"},
    TConjugation{"形容詞・アウオ段", 21, "い", "ｲ"},
    TConjugation{"形容詞・イ段", 21, "い", "ｲ"},
};

// IPADIC's other ワ行ウ音便 rows are dialect doubles of words it also lists as 促音便.
constexpr std::array<std::string_view, 4> kUOnbinVerbs{"問う", "請う", "乞う", "恋う"};

const TConjugation* FindConjugation(std::string_view ipadicName) {
  for (const auto& conjugation : kConjugations) {
    if (conjugation.IpadicName == ipadicName) return &conjugation;
  }
  return nullptr;
}

// The word type of a row without conjugation; nullopt for classes we do not take.
std::optional<int> UninflectedType(const TIpadicRow& row) {
  if (row.PartOfSpeech == "名詞") {
    if (row.Subclass1 == "形容動詞語幹" || row.Subclass2 == "形容動詞語幹") return kAdjectivalNoun;
    return kNoun;
  }
  for (std::string_view other : {"副詞", "連体詞", "接続詞", "感動詞", "接頭詞"}) {
    if (row.PartOfSpeech == other) return kOther;
  }
  return std::nullopt;
}

bool IsSuruNoun(const TIpadicRow& row) {
  return row.PartOfSpeech == "名詞" && (row.Subclass1 == "サ変接続" || row.Subclass2 == "サ変接続");
}

bool IsInflecting(const TIpadicRow& row) {
  return row.PartOfSpeech == "動詞" || row.PartOfSpeech == "形容詞";
}

TRowMapping Outcome(TRowOutcome outcome) { return TRowMapping{outcome, {}}; }

}  // namespace

std::string HalfWidthKatakanaReading(std::string_view reading) {
  std::string half = ToHalfWidth(reading);
  // ｦ (0xA6) to ﾟ (0xDF): the half-width kana with ｰ and the voicing marks, no punctuation.
  bool katakana = !half.empty() && std::all_of(half.begin(), half.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0xA6 && byte <= 0xDF;
  });
  return katakana ? half : std::string();
}

bool CutEnding(std::string_view text, std::string_view ending, std::string& stem) {
  if (ending.size() > text.size()) return false;
  std::size_t cut = text.size() - ending.size();
  if (text.substr(cut) != ending) return false;
  std::size_t pos = 0;
  while (pos < cut) pos += CharLengthAt(text, pos);
  if (pos != cut) return false;  // the match began on a trail byte
  stem = text.substr(0, cut);
  return true;
}

TRowMapping MapRow(const TIpadicRow& row) {
  const TConjugation* conjugation = nullptr;
  std::optional<int> type;
  if (IsInflecting(row)) {
    conjugation = FindConjugation(row.ConjugationType);
    if (conjugation == nullptr || row.ConjugationForm != "基本形")
      return Outcome(TRowOutcome::Unused);
    if (conjugation->Type == 20 &&
        std::find(kUOnbinVerbs.begin(), kUOnbinVerbs.end(), row.BaseForm) == kUOnbinVerbs.end()) {
      return Outcome(TRowOutcome::Unused);
    }
    type = conjugation->Type;
  } else {
    type = UninflectedType(row);
    if (!type) return Outcome(TRowOutcome::Unused);
  }

  if (!row.BaseFormInCp932) return Outcome(TRowOutcome::NotationNotCp932);
  std::string reading = HalfWidthKatakanaReading(row.Reading);
  if (reading.empty()) return Outcome(TRowOutcome::ReadingNotKatakana);

  TRowMapping mapping{TRowOutcome::Words, {}};
  if (conjugation == nullptr) {
    TDicTarget target = row.Subclass1 == "固有名詞" ? TDicTarget::Proper : TDicTarget::Base;
    mapping.Words.push_back({reading, row.BaseForm, *type, target});
    if (IsSuruNoun(row)) mapping.Words.push_back({reading, row.BaseForm, kSuruNoun, target});
    return mapping;
  }

  std::string notationStem;
  std::string readingStem;
  if (!CutEnding(row.BaseForm, conjugation->Ending, notationStem) ||
      !CutEnding(reading, conjugation->EndingReading, readingStem)) {
    return Outcome(TRowOutcome::EndingMismatch);
  }
  if (notationStem.empty() || readingStem.empty()) return Outcome(TRowOutcome::EmptyStem);
  mapping.Words.push_back({readingStem, notationStem, *type, TDicTarget::Base});
  return mapping;
}
