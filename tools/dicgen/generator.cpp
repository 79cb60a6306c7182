#include "tools/dicgen/generator.h"

#include <cstdio>
#include <stdexcept>

#include "tools/dicgen/dictionary_writer.h"
#include "tools/dicgen/ipadic_source.h"
#include "tools/dicgen/word_mapping.h"

namespace {

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

TGenerationReport GenerateDictionaries(const std::filesystem::path& ipadicFolder,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile) {
  TGenerationReport report;
  TDictionaryFileBuilder base;
  TDictionaryFileBuilder proper;
  TSourceCounts counts = ReadIpadicFolder(ipadicFolder, [&](const TIpadicRow& row) {
    TRowMapping mapping = MapRow(row);
    Count(report, mapping.Outcome);
    for (const auto& word : mapping.Words) {
      (word.Target == TDicTarget::Proper ? proper : base).Add(word, row.Cost);
    }
  });
  if (counts.Files == 0) {
    throw std::runtime_error("no .csv file in " + ipadicFolder.string());
  }
  report.Files = counts.Files;
  report.Rows = counts.Rows;
  report.Malformed = counts.Malformed;
  report.Base = Finish(base, baseFile, report.Duplicates);
  report.Proper = Finish(proper, properFile, report.Duplicates);
  return report;
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
  AppendFile(text, "base dictionary", report.Base);
  AppendFile(text, "proper-noun dictionary", report.Proper);
  return text;
}
