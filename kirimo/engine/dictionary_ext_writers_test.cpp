// Several programs appending to one user dictionary at once: two dictionaries
// in processes of their own adding entries, and a plain appender (as the word
// extractor is) that sometimes leaves its last line without an end. The
// writers are this test program started again for one role each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_lock.h"
#include "common/platform.h"
#include "common/test_folder.h"
#include "kirimo/engine/dictionary_ext.h"

namespace {

constexpr const char* FileVariable = "KIRIMO_SHARED_USER_DICTIONARY";
constexpr int LinesPerWriter = 400;

// Each writer's notations carry its own prefix; readings are one kana.
std::string LineOf(char writer, int index) {
  return std::string(writer == 'p' ? "ｻ" : "ｶ") + "," + writer + std::to_string(index) + ",1";
}

std::vector<std::string> AllLines() {
  std::vector<std::string> lines;
  for (char writer : {'a', 'b', 'p'})
    for (int i = 0; i < LinesPerWriter; ++i) lines.push_back(LineOf(writer, i));
  return lines;
}

std::map<std::string, int> LineCounts(std::string_view text) {
  std::map<std::string, int> counts;
  ForEachLine(text, [&counts](int, std::string_view line) { ++counts[std::string(line)]; });
  return counts;
}

std::string SharedFile() {
  const char* file = std::getenv(FileVariable);
  return file ? file : "";
}

void SetSharedFile(const std::string& path) {
  // putenv keeps the very string, so it lives as long as the program.
  static std::string setting;
  setting = std::string(FileVariable) + "=" + path;
  putenv(setting.data());
}

// Runs one role of this program and answers its exit status.
int RunRole(const std::string& role) {
  std::string command = "\"" + ::testing::internal::GetArgvs()[0] +
                        "\" --gtest_also_run_disabled_tests --gtest_filter=SharedUserDictionary." +
                        role;
  if (OnWindows) command = "\"" + command + "\"";  // the shell strips one pair of quotes
  return std::system(command.c_str());
}

// Waits until every writer's lines are in the file (they finish at different times).
bool WaitForAllLines(const std::string& path) {
  for (int attempt = 0; attempt < 6000; ++attempt) {
    std::map<std::string, int> counts = LineCounts(ReadWholeFile(path));
    bool complete = true;
    for (const std::string& line : AllLines()) complete = complete && counts[line] >= 1;
    if (complete) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// Adds its own entries, then checks that the dictionary holds each line of
// every writer exactly once after a Reload.
void WriteEntriesAndCheck(char writer) {
  const std::string path = SharedFile();
  ASSERT_FALSE(path.empty());
  TDictionaryEXT dictionary("usr", path);
  for (int i = 0; i < LinesPerWriter; ++i) ASSERT_GE(dictionary.AddEntry(LineOf(writer, i)), 0);
  ASSERT_TRUE(WaitForAllLines(path));
  dictionary.Reload();
  std::map<std::string, int> held;
  for (const std::string_view letter : {"ｶ", "ｻ"})
    for (const TWord& word : dictionary.BucketOf(letter)) ++held[word.Notation()];
  for (const std::string& line : AllLines()) {
    std::string notation = line.substr(line.find(',') + 1);
    notation.resize(notation.find(','));
    EXPECT_EQ(held[notation], 1) << notation << " in the dictionary of writer " << writer;
  }
  EXPECT_EQ(held.size(), AllLines().size());
}

}  // namespace

// The roles: not run on their own.
TEST(SharedUserDictionary, DISABLED_WriterA) { WriteEntriesAndCheck('a'); }
TEST(SharedUserDictionary, DISABLED_WriterB) { WriteEntriesAndCheck('b'); }

TEST(SharedUserDictionary, DISABLED_PlainAppender) {
  const std::string path = SharedFile();
  ASSERT_FALSE(path.empty());
  for (int i = 0; i < LinesPerWriter; ++i) {
    // Like any careful appender: it ends a line someone left open, and every
    // fifth line of its own (the last one too) stays open.
    TFileLock lock(path);
    const std::string contents = ReadWholeFile(path);
    std::string text;
    if (!contents.empty() && contents.back() != '\n' && contents.back() != '\r') text = "\r\n";
    text += LineOf('p', i);
    if (i % 5 != 4) text += "\r\n";
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
  }
}

TEST(SharedUserDictionary, EveryLineOfEveryWriterOnceInTheFileAndInEachDictionary) {
  TTestFolder folder;
  folder.Write("user.usr", "");
  SetSharedFile(folder.PathOf("user.usr"));
  std::map<std::string, int> status;
  std::vector<std::thread> writers;
  for (const std::string role : {"DISABLED_WriterA", "DISABLED_WriterB", "DISABLED_PlainAppender"})
    status[role] = -1;
  for (auto& [role, result] : status)
    writers.emplace_back([&role, &result] { result = RunRole(role); });
  for (std::thread& writer : writers) writer.join();
  for (const auto& [role, result] : status) EXPECT_EQ(result, 0) << role;

  std::map<std::string, int> counts = LineCounts(folder.Read("user.usr"));
  for (const std::string& line : AllLines()) EXPECT_EQ(counts[line], 1) << line;
  EXPECT_EQ(counts.size(), AllLines().size());
}
