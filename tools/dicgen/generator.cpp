#include "tools/dicgen/generator.h"

#include <cstdio>
#include <stdexcept>

#include "common/kana_conversion.h"
#include "tools/dicgen/dictionary_writer.h"
#include "tools/dicgen/extra_words.h"
#include "tools/dicgen/ipadic_source.h"
#include "tools/dicgen/unidic_source.h"
#include "tools/dicgen/word_collection.h"
#include "tools/dicgen/word_frequency.h"
#include "tools/dicgen/word_mapping.h"

namespace {

constexpr const char* kSourceIpadic = "IPADIC";
constexpr const char* kSourceParticles = "IPADIC particles the grammar lacks";
constexpr const char* kSourceKana = "kana syllables";
constexpr const char* kSourceUnidic = "UniDic";

void Count(TGenerationReport& report, TRowOutcome outcome) {
  switch (outcome) {
    case TRowOutcome::Words:
      break;
    case TRowOutcome::Unused:
      ++report.Unused;
      break;
    case TRowOutcome::ReadingNotKatakana:
      ++report.ReadingNotKatakana;
      break;
    case TRowOutcome::NotationNotCp932:
      ++report.NotationNotCp932;
      break;
    case TRowOutcome::EmptyStem:
      ++report.EmptyStem;
      break;
    case TRowOutcome::EndingMismatch:
      ++report.EndingMismatch;
      break;
  }
}

TFileReport Finish(TDictionaryFileBuilder& builder, const std::filesystem::path& file,
                   int& duplicates) {
  TFileReport result;
  std::vector<std::string> lines = builder.Lines();
  result.Bytes = WriteLines(file, lines);
  result.Lines = static_cast<int>(lines.size());
  result.LinesPerType = builder.LinesPerType();
  duplicates += builder.Duplicates();
  return result;
}

// A notation of full-width katakana (ー included) only: a loanword.
bool IsKatakanaWord(const std::string& notation) {
  return !notation.empty() && ToKatakana(notation) == notation &&
         ToHalfWidth(notation) != notation && !HalfWidthKatakanaReading(notation).empty();
}

// The class the word frequency list counts an IPADIC row under.
std::string WordClassOf(const TIpadicRow& row) {
  if (row.PartOfSpeech == "動詞" || row.PartOfSpeech == "形容詞") {
    return row.PartOfSpeech + ":" + row.ConjugationType;
  }
  return row.PartOfSpeech;
}

void AppendLine(std::string& text, const char* label, long long value) {
  char line[96];
  std::snprintf(line, sizeof line, "  %-26s %lld\n", label, value);
  text += line;
}

void AppendFile(std::string& text, const char* title, const TFileReport& file) {
  text += title;
  text += '\n';
  for (const auto& [type, lines] : file.LinesPerType) {
    char label[16];
    std::snprintf(label, sizeof label, "type %03d", type);
    AppendLine(text, label, lines);
  }
  AppendLine(text, "lines", file.Lines);
  AppendLine(text, "bytes", static_cast<long long>(file.Bytes));
}

}  // namespace

TGenerationReport GenerateDictionaries(const TGenerationSources& sources,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile) {
  TGenerationReport report;
  TWordFrequency frequency =
      sources.Frequency.empty() ? TWordFrequency() : TWordFrequency::Load(sources.Frequency);
  report.FrequencyEntries = static_cast<int>(frequency.Size());
  TWordCollection collection;
  auto countOf = [&](const std::string& notation, const std::string& reading,
                     const std::string& wordClass) {
    int count = frequency.CountOf(notation, reading, wordClass);
    if (count > 0) ++report.ListedLines;
    return count;
  };
  auto rankOf = [&](const std::string& notation, const std::string& reading,
                    const std::string& wordClass,
                    int cost) { return RankOf(countOf(notation, reading, wordClass), cost); };

  TSourceCounts counts = ReadIpadicFolder(sources.Ipadic, [&](const TIpadicRow& row) {
    TRowMapping mapping = MapRow(row);
    if (mapping.Outcome == TRowOutcome::Unused && IsMissingParticle(row)) {
      std::string reading = HalfWidthKatakanaReading(row.Reading);
      if (!reading.empty()) {
        collection.Add({reading, row.BaseForm, 0, TDicTarget::Base},
                       rankOf(row.BaseForm, row.Reading, row.PartOfSpeech, row.Cost),
                       kSourceParticles);
        return;
      }
    }
    Count(report, mapping.Outcome);
    for (const auto& word : mapping.Words) {
      collection.Add(word, rankOf(row.BaseForm, row.Reading, WordClassOf(row), row.Cost),
                     kSourceIpadic);
    }
  });
  if (counts.Files == 0) {
    throw std::runtime_error("no .csv file in " + sources.Ipadic.string());
  }
  report.Files = counts.Files;
  report.Rows = counts.Rows;
  report.Malformed = counts.Malformed;

  if (sources.KanaSyllables) {
    for (const auto& word : KanaSyllableWords()) {
      collection.Add(word, RankAfterListed(), kSourceKana);
    }
  }
  if (!sources.UnidicLexicon.empty()) {
    // Nouns IPADIC has under the same reading stay IPADIC's, with IPADIC's types.
    TWordCollection unidic;
    report.UnidicRows = ReadUnidicLexicon(
        sources.UnidicLexicon, report.UnidicMalformed, [&](const TUnidicRow& row) {
          TRowMapping mapping = MapUnidicRow(row);
          for (const auto& word : mapping.Words) {
            if (collection.Has(word.Reading, word.Notation)) {
              ++report.UnidicKnown;
              continue;
            }
            // Loanwords, and compounds the frequency list knows: rare compounds
            // would only lengthen the lists.
            int count = frequency.CountOf(row.Surface, row.Kana, row.PartOfSpeech);
            if (count == 0 && !IsKatakanaWord(word.Notation)) {
              ++report.UnidicRare;
              continue;
            }
            // Unlisted, UniDic's nouns follow IPADIC's words: they fill gaps, and
            // UniDic's costs do not compare with IPADIC's.
            unidic.Add(word,
                       SupplementRankOf(countOf(row.Surface, row.Kana, row.PartOfSpeech), row.Cost),
                       kSourceUnidic);
          }
        });
    collection.Append(unidic);
  }

  std::vector<TCollectedWord> words = collection.Cleaned(report.DroppedAsJunk, report.Duplicates);
  TDictionaryFileBuilder base;
  TDictionaryFileBuilder proper;
  for (const auto& collected : words) {
    if (collected.Word.Target == TDicTarget::Proper) {
      proper.Add(collected.Word, collected.Rank);
    } else {
      base.Add(collected.Word, collected.Rank);
      ++report.BaseLinesPerSource[collected.Source];
    }
  }
  report.Base = Finish(base, baseFile, report.Duplicates);
  report.Proper = Finish(proper, properFile, report.Duplicates);
  return report;
}

TGenerationReport GenerateDictionaries(const std::filesystem::path& ipadicFolder,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile) {
  TGenerationSources sources;
  sources.Ipadic = ipadicFolder;
  return GenerateDictionaries(sources, baseFile, properFile);
}

std::string FormatReport(const TGenerationReport& report) {
  std::string text = "source\n";
  AppendLine(text, "files", report.Files);
  AppendLine(text, "rows", report.Rows);
  AppendLine(text, "malformed rows", report.Malformed);
  AppendLine(text, "rows of unused classes", report.Unused);
  AppendLine(text, "dropped: reading not kana", report.ReadingNotKatakana);
  AppendLine(text, "dropped: notation not CP932", report.NotationNotCp932);
  AppendLine(text, "dropped: empty stem", report.EmptyStem);
  AppendLine(text, "dropped: ending mismatch", report.EndingMismatch);
  AppendLine(text, "repeated lines merged", report.Duplicates);
  if (report.UnidicRows > 0) {
    AppendLine(text, "UniDic rows", report.UnidicRows);
    AppendLine(text, "UniDic malformed rows", report.UnidicMalformed);
    AppendLine(text, "UniDic nouns IPADIC has", report.UnidicKnown);
    AppendLine(text, "UniDic rare compounds left", report.UnidicRare);
  }
  AppendLine(text, "frequency list entries", report.FrequencyEntries);
  AppendLine(text, "lines placed by frequency", report.ListedLines);
  for (const auto& [rule, lines] : report.DroppedAsJunk) {
    AppendLine(text, ("dropped: " + rule).c_str(), lines);
  }
  text += "base dictionary lines by source\n";
  for (const auto& [source, lines] : report.BaseLinesPerSource) {
    AppendLine(text, source.c_str(), lines);
  }
  AppendFile(text, "base dictionary", report.Base);
  AppendFile(text, "proper-noun dictionary", report.Proper);
  return text;
}
