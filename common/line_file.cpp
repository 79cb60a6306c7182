#include "common/line_file.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/file_path.h"

namespace {

// A name of its own, so two writers of one file never share a temporary.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::random_device random;
  std::filesystem::path temporary = target;
  temporary += ".tmp" + std::to_string(random() % 1000000);
  return temporary;
}

}  // namespace

TStringList SplitLines(std::string_view content) {
  TStringList lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

bool WriteLinesReplacing(std::string_view path, const TStringList& lines) {
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
