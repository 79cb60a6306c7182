#include "kirimo/engine/dictionary_ext.h"

#include <charconv>
#include <stdexcept>
#include <utility>
#include <vector>

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_lock.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "common/text_checks.h"

namespace {

constexpr int AtBucket = 47;  // the bucket of "@"

struct TByteTables {
  std::array<std::uint8_t, 256> Bucket{};  // bucket of a normalised first byte
  std::array<bool, 256> OtherKey{};        // the byte's key letter is "@"
  TByteTables() {
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const std::string normal = NormalizeKana(byte);
      const std::size_t index =
          normal.size() == 1 ? TDictionaryEXT::IndexLetters.find(normal[0]) : std::string::npos;
      Bucket[b] = index == std::string::npos ? 0 : static_cast<std::uint8_t>(index);
      // A blank is "@" within a reading, though alone it has no key.
      OtherKey[b] = b <= 0x20 || ToKeyString(byte) == "@";
    }
  }
};

const TByteTables& Tables() {
  static const TByteTables tables;
  return tables;
}

}  // namespace

int TDictionaryEXT::BucketIndexOf(std::string_view text) {
  if (text.empty()) return 0;
  return Tables().Bucket[static_cast<unsigned char>(text[0])];
}

int TDictionaryEXT::BucketIndexOfReading(std::string_view reading) {
  const std::size_t first = reading.find_first_not_of("ﾞﾟ");
  if (first != std::string::npos && Tables().OtherKey[static_cast<unsigned char>(reading[first])])
    return AtBucket;
  return BucketIndexOf(reading);
}

std::optional<TWord> TDictionaryEXT::MakeWord(std::string_view reading, std::string_view notation,
                                              std::string_view typeText) {
  char digits[8];
  auto converted = std::to_chars(digits, digits + sizeof digits, WordTypeOf(typeText));
  TWord word(reading, notation, std::string_view(digits, converted.ptr - digits));
  if (word.Reading().empty()) return std::nullopt;
  return word;
}

template <typename Take>
int TDictionaryEXT::ParseLines(std::string_view text, int first, Take&& take) {
  TLineFields fields;
  TEntryFields entry;
  return ForEachLine(text, [&](int index, std::string_view line) {
    if (index < first) return;
    SplitLineFields(line, fields);
    if (!EntryOfFields(fields, entry)) return;
    if (auto word = MakeWord(entry.Reading, entry.Notation, entry.Type)) take(std::move(*word));
  });
}

TDictionaryEXT::TDictionaryEXT(std::string name, std::string fileName)
    : TDictionary(std::move(name), std::move(fileName)) {
  CreateFileIfMissing(GetFileName());
  const std::string contents = ReadWholeFile(GetFileName());
  std::unique_lock lock(WordsLock);
  LoadedLineCount = ParseLines(contents, 0, [this](TWord&& word) { Store(std::move(word)); });
}

void TDictionaryEXT::Store(TWord&& word) {
  Buckets[BucketIndexOfReading(word.Reading())].push_back(std::move(word));
}

void TDictionaryEXT::TakeInNewLines(std::string_view contents) {
  // Parsed before the lock, so readers wait only for the insertion.
  std::vector<TWord> words;
  const int count = ParseLines(contents, LoadedLineCount,
                               [&words](TWord&& word) { words.push_back(std::move(word)); });
  std::unique_lock lock(WordsLock);
  for (TWord& word : words) Store(std::move(word));
  LoadedLineCount = count;
}

void TDictionaryEXT::Reload() {
  std::lock_guard fileLock(FileLock);
  if (!FileExists(GetFileName())) return;
  // Another program's line is read whole or not at all.
  TFileLock processLock(GetFileName());
  TakeInNewLines(ReadWholeFile(GetFileName()));
}

int TDictionaryEXT::AddEntry(std::string_view line) {
  if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return -1;
  TLineFields fields;
  SplitLineFields(line, fields);
  if (fields.Count != 3) return -1;
  std::lock_guard fileLock(FileLock);
  // Appending rather than rewriting keeps what another writer added meanwhile, and a
  // failure can no longer cut the file short. Under the lock no other program
  // appends between the read and the append, so the contents are the file as it
  // is: its other lines are taken in first, and the words in memory stay those of
  // the file's first LoadedLines lines.
  CreateFileIfMissing(GetFileName());
  TFileLock processLock(GetFileName());
  const std::string contents = ReadWholeFile(GetFileName());
  AppendLine(GetFileName(), contents, line);
  TakeInNewLines(contents);
  if (auto word = MakeWord(fields.Fields[0], fields.Fields[1], fields.Fields[2])) {
    std::unique_lock lock(WordsLock);
    Store(std::move(*word));
  }
  return LoadedLineCount++;
}

bool TDictionaryEXT::ContainsEntry(std::string_view line) const {
  TLineFields fields;
  SplitLineFields(line, fields);
  if (fields.Count < 3) return false;
  if (!IsInteger(fields.Fields[2]))
    throw std::invalid_argument("'" + std::string(fields.Fields[2]) + "' は整数ではありません");
  const int type = ToIntegerOr(fields.Fields[2], 0);
  const TWord word(fields.Fields[0], fields.Fields[1], "0");
  return HasWord(word.Reading(), word.Notation(), type);
}

void TDictionaryEXT::AddWord(std::string_view reading, std::string_view notation,
                             std::string_view typeText) {
  auto word = MakeWord(reading, notation, typeText);
  if (!word) return;
  std::unique_lock lock(WordsLock);
  Store(std::move(*word));
}

TBucketView TDictionaryEXT::BucketOf(std::string_view text) const {
  return TBucketView(WordsLock, Buckets[BucketIndexOf(text)]);
}

TBucketView TDictionaryEXT::BucketOfKey(std::string_view letter) const {
  return BucketOf(ToHalfWidth(ToKatakana(letter)));
}

bool TDictionaryEXT::HasWord(std::string_view reading, std::string_view notation, int type) const {
  if (reading.empty()) return false;
  // Where AddWord puts the word: the bucket of BucketOf, or "@" for a reading
  // that begins with a symbol or a double-byte character.
  TBucketView bucket(WordsLock, Buckets[BucketIndexOfReading(reading)]);
  for (const TWord& word : bucket)
    if (word.Reading() == reading && word.Notation() == notation && word.WordType() == type)
      return true;
  return false;
}
