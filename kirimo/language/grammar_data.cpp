#include "kirimo/language/grammar_data.h"

#include <charconv>

#include "kirimo/language/grammar_tables.h"

namespace {

// The text after "=" of the first line whose code before "=" equals code as a number.
std::string_view ValueOf(const TStringList& lines, int code) {
  for (const std::string& line : lines) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    int lineCode = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + equals, lineCode);
    if (error == std::errc() && end == line.data() + equals && lineCode == code)
      return std::string_view(line).substr(equals + 1);
  }
  return {};
}

}  // namespace

TGrammarData::TGrammarData()
    : EndingLines(BuiltInEndings()),
      ConnectionLines(BuiltInConnections()),
      ParticleLines(BuiltInParticles()),
      WordTypeLines(BuiltInWordTypes()),
      FormNameLines(BuiltInFormNames()) {}

std::string_view TGrammarData::EndingsOf(int type) const { return ValueOf(EndingLines, type); }

std::string_view TGrammarData::FormName(int form) const { return ValueOf(FormNameLines, form); }

const TGrammarData& GetGrammarData() {
  static const TGrammarData data;
  return data;
}
