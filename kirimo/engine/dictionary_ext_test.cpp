#include "kirimo/engine/dictionary_ext.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "common/test_folder.h"

namespace {

// A file written into the folder; its path.
std::string Put(const TTestFolder& folder, const std::string& name, const std::string& bytes) {
  folder.Write(name, bytes);
  return folder.PathOf(name);
}

void Append(const TTestFolder& folder, const std::string& name, const std::string& bytes) {
  std::ofstream(folder.PathOf(name), std::ios::binary | std::ios::app) << bytes;
}

struct TStored {
  std::string Reading;
  std::string Notation;
  int Type;
  bool operator==(const TStored&) const = default;
};

std::vector<TStored> WordsOf(const TBucketView& bucket) {
  std::vector<TStored> words;
  for (const TWord& word : bucket)
    words.push_back({word.Reading(), word.Notation(), word.WordType()});
  return words;
}

std::vector<TStored> AllWords(const TDictionaryEXT& dictionary) {
  std::vector<TStored> words;
  for (char letter : TDictionaryEXT::IndexLetters)
    for (const TStored& word : WordsOf(dictionary.BucketOf(std::string(1, letter))))
      words.push_back(word);
  return words;
}

int BucketOfReading(const TDictionaryEXT& dictionary, std::string_view reading) {
  for (int i = 0; i < TDictionaryEXT::BucketCount; ++i)
    for (const TWord& word : dictionary.BucketOf(TDictionaryEXT::IndexLetters.substr(i, 1)))
      if (word.Reading() == reading) return i;
  return -1;
}

constexpr int BucketIndex(char letter) {
  return static_cast<int>(TDictionaryEXT::IndexLetters.find(letter));
}

class DictionaryEXT : public ::testing::Test {
 protected:
  TTestFolder Folder;
};

}  // namespace

TEST_F(DictionaryEXT, LinesByFieldCount) {
  const std::string file =
      Put(Folder, "a.dic",
          "カメラ\r\nﾃﾞｰﾀ,2\r\nｶﾐ,紙\r\nｶﾐ 髪\r\n\"ｶﾐ\",\"神 様\",3\r\nignored,ﾀﾍﾞ,食べ,8\r\n"
          "a,b,c,d,e\r\n\r\n_,空,1\r\n,,1\r\nｲﾇ,_,abc\r\nｲﾇ,犬,8.6\r\n");
  TDictionaryEXT dictionary("Base", file);
  EXPECT_EQ(dictionary.GetName(), "Base");
  EXPECT_EQ(dictionary.LoadedLines(), 12);
  EXPECT_EQ(WordsOf(dictionary.BucketOf("ｶ")),
            (std::vector<TStored>{
                {"ｶﾒﾗ", "カメラ", 1}, {"ｶﾐ", "紙", 1}, {"ｶﾐ", "髪", 1}, {"ｶﾐ", "神 様", 3}}));
  EXPECT_EQ(WordsOf(dictionary.BucketOf("ﾃ")), (std::vector<TStored>{{"ﾃﾞｰﾀ", "ﾃﾞｰﾀ", 2}}));
  EXPECT_EQ(WordsOf(dictionary.BucketOf("ﾀ")), (std::vector<TStored>{{"ﾀﾍﾞ", "食べ", 8}}));
  EXPECT_EQ(WordsOf(dictionary.BucketOf("ｲ")),
            (std::vector<TStored>{{"ｲﾇ", "", 0}, {"ｲﾇ", "犬", 9}}));
  EXPECT_EQ(AllWords(dictionary).size(), 8u);  // no word for "_" or an empty reading
}

TEST_F(DictionaryEXT, BucketsFollowTheFirstSyllable) {
  const std::string file =
      Put(Folder, "a.dic",
          "ｧｲ\r\nｯﾀ\r\nかな\r\n漢字,x\r\n!ﾋﾞｯｸﾘ\r\nabc\r\nZ\r\n9ﾀ\r\nｰｰ\r\nﾞｶ\r\nｶﾞｸ\r\n");
  TDictionaryEXT dictionary("Base", file);
  EXPECT_EQ(BucketOfReading(dictionary, "ｧｲ"), BucketIndex('\xB1'));  // ｱ
  EXPECT_EQ(BucketOfReading(dictionary, "ｯﾀ"), BucketIndex('\xC2'));  // ﾂ
  EXPECT_EQ(BucketOfReading(dictionary, "かな"), BucketIndex('@'));
  EXPECT_EQ(BucketOfReading(dictionary, "漢字"), BucketIndex('@'));
  EXPECT_EQ(BucketOfReading(dictionary, "!ﾋﾞｯｸﾘ"), BucketIndex('@'));
  EXPECT_EQ(BucketOfReading(dictionary, "abc"), BucketIndex('A'));
  EXPECT_EQ(BucketOfReading(dictionary, "Z"), BucketIndex('Z'));
  EXPECT_EQ(BucketOfReading(dictionary, "9ﾀ"), BucketIndex('9'));
  EXPECT_EQ(BucketOfReading(dictionary, "ｰｰ"), 0);
  EXPECT_EQ(BucketOfReading(dictionary, "ﾞｶ"), 0);  // a mark alone has no bucket of its own
  EXPECT_EQ(BucketOfReading(dictionary, "ｶﾞｸ"), BucketIndex('\xB6'));
  // The cartridge's letters: hiragana and full width reach the same buckets.
  EXPECT_EQ(WordsOf(dictionary.BucketOfKey("あ")), WordsOf(dictionary.BucketOf("ｱ")));
  EXPECT_EQ(WordsOf(dictionary.BucketOfKey("ツ")), WordsOf(dictionary.BucketOf("ﾂ")));
  EXPECT_EQ(WordsOf(dictionary.BucketOfKey("a")), WordsOf(dictionary.BucketOf("A")));
  EXPECT_EQ(dictionary.BucketOf("?").size(), 2u);  // unknown first bytes share bucket 0
}

TEST_F(DictionaryEXT, MissingFileIsCreatedEmpty) {
  const std::string file = Folder.PathOf("new.usr");
  TDictionaryEXT dictionary("BaseUsr", file);
  EXPECT_EQ(dictionary.LoadedLines(), 0);
  EXPECT_TRUE(AllWords(dictionary).empty());
  EXPECT_EQ(Folder.Read("new.usr"), "");
}

TEST_F(DictionaryEXT, AddEntryAppendsExactlyTheLineAndContainsItAtOnce) {
  Put(Folder, "a.usr", "ｲﾇ,犬,1\r\n");
  TDictionaryEXT dictionary("BaseUsr", Folder.PathOf("a.usr"));
  EXPECT_FALSE(dictionary.ContainsEntry("ｶﾒﾗ,カメラ,1"));
  EXPECT_EQ(dictionary.AddEntry("ｶﾒﾗ,カメラ,1"), 1);
  EXPECT_TRUE(dictionary.ContainsEntry("ｶﾒﾗ,カメラ,1"));
  EXPECT_TRUE(dictionary.ContainsEntry("ｶﾒﾗ , カメラ , 001"));
  EXPECT_FALSE(dictionary.ContainsEntry("ｶﾒﾗ,カメラ,2"));
  EXPECT_FALSE(dictionary.ContainsEntry("ｶﾒﾗ,かめら,1"));
  EXPECT_EQ(Folder.Read("a.usr"), "ｲﾇ,犬,1\r\nｶﾒﾗ,カメラ,1\r\n");
  // Stored as a loaded line would be: full-width reading, "_", hiragana reading.
  EXPECT_EQ(dictionary.AddEntry("ネコ,_,1"), 2);
  EXPECT_TRUE(dictionary.ContainsEntry("ネコ,_,1"));
  EXPECT_EQ(dictionary.AddEntry("かな,仮名,1"), 3);
  EXPECT_TRUE(dictionary.ContainsEntry("かな,仮名,1"));
  // Nothing that is not one three-field line gets written.
  EXPECT_EQ(dictionary.AddEntry("ｲﾇ,犬"), -1);
  EXPECT_EQ(dictionary.AddEntry("ｲﾇ,犬,1\r\nｳｿ,嘘,1"), -1);
  EXPECT_EQ(Folder.Read("a.usr"), "ｲﾇ,犬,1\r\nｶﾒﾗ,カメラ,1\r\nネコ,_,1\r\nかな,仮名,1\r\n");
  EXPECT_THROW(dictionary.ContainsEntry("ｲﾇ,犬,one"), std::invalid_argument);
  EXPECT_FALSE(dictionary.ContainsEntry("ｲﾇ,犬"));
}

TEST_F(DictionaryEXT, AddEntryEndsAnUnterminatedLastLineFirst) {
  Put(Folder, "a.usr", "ｲﾇ,犬,1\r\nｻﾙ,猿,1");
  TDictionaryEXT dictionary("BaseUsr", Folder.PathOf("a.usr"));
  EXPECT_EQ(dictionary.LoadedLines(), 2);
  EXPECT_EQ(dictionary.AddEntry("ｷｼﾞ,雉,1"), 2);
  EXPECT_EQ(Folder.Read("a.usr"), "ｲﾇ,犬,1\r\nｻﾙ,猿,1\r\nｷｼﾞ,雉,1\r\n");
  EXPECT_TRUE(dictionary.HasWord("ｻﾙ", "猿", 1));
}

TEST_F(DictionaryEXT, AddEntryKeepsWhatAnotherWriterAppended) {
  Put(Folder, "a.usr", "ｲﾇ,犬,1\r\n");
  TDictionaryEXT dictionary("BaseUsr", Folder.PathOf("a.usr"));
  Append(Folder, "a.usr", "ｻﾙ,猿,1\r\nｷｼﾞ,雉,1");  // the extractor, mid-session
  EXPECT_EQ(dictionary.AddEntry("ｶﾒﾗ,カメラ,1"), 3);
  EXPECT_EQ(Folder.Read("a.usr"), "ｲﾇ,犬,1\r\nｻﾙ,猿,1\r\nｷｼﾞ,雉,1\r\nｶﾒﾗ,カメラ,1\r\n");
  EXPECT_EQ(dictionary.LoadedLines(), 4);
  // Every line of the file is in memory exactly once, also after a reload.
  dictionary.Reload();
  EXPECT_EQ(AllWords(dictionary).size(), 4u);
  EXPECT_TRUE(dictionary.HasWord("ｷｼﾞ", "雉", 1));
}

TEST_F(DictionaryEXT, ReloadTakesExactlyTheNewLines) {
  Put(Folder, "a.usr", "ｲﾇ,犬,1\r\n\r\n");
  TDictionaryEXT dictionary("BaseUsr", Folder.PathOf("a.usr"));
  EXPECT_EQ(dictionary.LoadedLines(), 2);
  dictionary.Reload();
  EXPECT_EQ(AllWords(dictionary).size(), 1u);
  Append(Folder, "a.usr", "ｻﾙ,猿,1\r\nｷｼﾞ,雉,1\r\n");
  dictionary.Reload();
  EXPECT_EQ(AllWords(dictionary),
            (std::vector<TStored>{{"ｲﾇ", "犬", 1}, {"ｷｼﾞ", "雉", 1}, {"ｻﾙ", "猿", 1}}));
  EXPECT_EQ(dictionary.LoadedLines(), 4);
  std::filesystem::remove(Folder.PathOf("a.usr"));
  dictionary.Reload();  // a file gone leaves the words
  EXPECT_EQ(dictionary.LoadedLines(), 4);
  EXPECT_EQ(AllWords(dictionary).size(), 3u);
}

TEST_F(DictionaryEXT, HostileFilesLoadWhatTheyCan) {
  std::string bytes = "ｲﾇ,犬,1\r\n";
  bytes += std::string("\x81\r\n\x82,\xFF\xFE,1\r\n", 12);  // broken double-byte text
  bytes += std::string("ｻﾙ\0猿,5\r\n\0\0\0\r\n", 15);       // NUL bytes separate fields
  bytes += std::string(1 << 20, 'ｱ') + "\r\n";              // a 1 MB line
  bytes += std::string(1 << 20, ',') + "\r\n";              // a 1 MB line of fields
  bytes += "\"open quote,x\r\nｷｼﾞ,雉,1";                    // no line end at the end
  TDictionaryEXT dictionary("Base", Put(Folder, "a.dic", bytes));
  EXPECT_EQ(dictionary.LoadedLines(), 9);
  EXPECT_TRUE(dictionary.HasWord("ｲﾇ", "犬", 1));
  EXPECT_TRUE(dictionary.HasWord("ｷｼﾞ", "雉", 1));
  EXPECT_TRUE(dictionary.HasWord("ｻﾙ", "猿", 5));
  EXPECT_TRUE(dictionary.HasWord("open quote,x", "open quote,x", 1));
  EXPECT_EQ(dictionary.BucketOf("ｱ").size(), 1u);
  EXPECT_EQ(dictionary.BucketOf("ｱ")[0].Reading().size(), 1u << 20);
}

TEST_F(DictionaryEXT, ReadersNeverSeeAHalfAddedWord) {
  Put(Folder, "a.usr", "");
  TDictionaryEXT dictionary("BaseUsr", Folder.PathOf("a.usr"));
  constexpr int Additions = 60;
  std::atomic<bool> done{false};
  std::vector<std::thread> readers;
  for (int r = 0; r < 3; ++r) {
    readers.emplace_back([&] {
      while (!done) {
        std::size_t seen = 0;
        for (const TWord& word : dictionary.BucketOfKey("ｶ")) {
          EXPECT_EQ(word.Reading(), "ｶﾒﾗ");
          EXPECT_EQ(word.Notation().size(), 6u);
          ++seen;
        }
        EXPECT_LE(seen, static_cast<std::size_t>(Additions));
        dictionary.ContainsEntry("ｶﾒﾗ,カメラ,7");
        std::this_thread::yield();
      }
    });
  }
  for (int i = 0; i < Additions; ++i) {
    if (i % 2 == 0) {
      dictionary.AddEntry("ｶﾒﾗ,カメラ,1");
    } else {
      Append(Folder, "a.usr", "ｶﾒﾗ,カメラ,2\r\n");
      dictionary.Reload();
    }
  }
  done = true;
  for (auto& reader : readers) reader.join();
  EXPECT_EQ(dictionary.BucketOf("ｶ").size(), static_cast<std::size_t>(Additions));
  EXPECT_EQ(dictionary.LoadedLines(), Additions);
}
