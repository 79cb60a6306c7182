#pragma once
// A word dictionary: the words of one dictionary file or user dictionary file,
// grouped by the first syllable of their readings.
#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>

#include "kirimo/language/dictionary.h"
#include "kirimo/language/word.h"

// A deque: words are only ever appended, and phrases keep pointers to them.
using TWordBucket = std::deque<TWord>;

// One bucket, read under its dictionary's shared lock, so no word is added while
// it is read. Keep it only while iterating, and never two of one dictionary at once
// on one thread (a waiting writer would block the second).
class TBucketView {
 public:
  TBucketView(std::shared_mutex& lock, const TWordBucket& words) : Lock(lock), Words(&words) {}
  TWordBucket::const_iterator begin() const { return Words->begin(); }
  TWordBucket::const_iterator end() const { return Words->end(); }
  std::size_t size() const { return Words->size(); }
  bool empty() const { return Words->empty(); }
  const TWord& operator[](std::size_t index) const { return (*Words)[index]; }

 private:
  std::shared_lock<std::shared_mutex> Lock;
  const TWordBucket* Words;
};

class TDictionaryEXT : public TDictionary {
 public:
  // "ｰ", ｱ to ﾛ in code order, ﾜ ｦ ﾝ, "@", A to Z, 0 to 9: one bucket each.
  static constexpr std::string_view IndexLetters =
      "ｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝ@ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static constexpr int BucketCount = 84;
  static_assert(IndexLetters.size() == BucketCount);

  // Reads the file, creating it empty when it does not exist.
  TDictionaryEXT(std::string name, std::string fileName);

  // Takes in the lines from LoadedLines to the end of the file, whoever wrote them.
  void Reload() override;
  // Appends a three-field line to the file and takes its word in; the line's index
  // in the file, or -1 for a line that is not three fields on one line.
  int AddEntry(std::string_view line) override;
  // Whether the word of a reading,notation,type line is held, made as a loaded
  // line would be. Raises std::invalid_argument for a type that is no integer.
  bool ContainsEntry(std::string_view line) const override;

  void AddWord(std::string_view reading, std::string_view notation, std::string_view typeText);
  // The bucket of the first character of text (the first bucket for the empty text).
  TBucketView BucketOf(std::string_view text) const;
  // The bucket of one key letter, which may be hiragana or full width.
  TBucketView BucketOfKey(std::string_view letter) const;
  // Compares the stored fields byte for byte; the reading is taken as stored (half width).
  bool HasWord(std::string_view reading, std::string_view notation, int type) const;
  int LoadedLines() const { return LoadedLineCount; }

  // The bucket of BucketOf, and the one a word of that reading is stored in.
  static int BucketIndexOf(std::string_view text);
  static int BucketIndexOfReading(std::string_view reading);

 private:
  static std::optional<TWord> MakeWord(std::string_view reading, std::string_view notation,
                                       std::string_view typeText);
  // The words of the lines of text from index first on, in file order; answers the line count.
  template <typename Take>
  static int ParseLines(std::string_view text, int first, Take&& take);
  void Store(TWord&& word);  // WordsLock is held
  // Takes in the lines of contents from LoadedLines on; FileLock is held.
  void TakeInNewLines(std::string_view contents);

  mutable std::shared_mutex WordsLock;
  std::mutex FileLock;  // one Reload or AddEntry at a time
  std::array<TWordBucket, BucketCount> Buckets;
  std::atomic<int> LoadedLineCount{0};
};
