#include "common/line_file.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <system_error>

#include "common/dictionary_line.h"
#include "common/file_path.h"

namespace {

// One fixed name per target: a write killed before its rename leaves one file
// that the next write overwrites, never a growing pile.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

// Two writers of one target in this process would share its temporary.
std::mutex ReplacingMutex;

}  // namespace

TStringList SplitLines(std::string_view content) {
  TStringList lines;
  ForEachLine(content, [&lines](int, std::string_view line) { lines.emplace_back(line); });
  return lines;
}

bool WriteLinesReplacing(std::string_view path, const TStringList& lines) {
  std::lock_guard lock(ReplacingMutex);
  std::filesystem::path target = NativePath(path);
  std::filesystem::path temporary = TemporaryBeside(target);
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) file << line << "\r\n";
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

void RemoveLeftoverTemporary(std::string_view path) {
  std::lock_guard lock(ReplacingMutex);
  std::error_code ignored;
  std::filesystem::remove(TemporaryBeside(NativePath(path)), ignored);
}
