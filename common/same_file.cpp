#include "common/same_file.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <system_error>

#include "common/file_path.h"
#include "common/platform.h"

namespace {

std::filesystem::path Resolved(std::string_view path) {
  std::error_code error;
  std::filesystem::path native = NativePath(path);
  std::filesystem::path resolved = std::filesystem::weakly_canonical(native, error);
  return error ? std::filesystem::absolute(native, error).lexically_normal() : resolved;
}

bool EqualSpelling(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (!OnWindows) return a == b;
  // Windows file names ignore case.
  const std::wstring left = a.wstring();
  const std::wstring right = b.wstring();
  return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                    [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

}  // namespace

bool NameSameFile(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (std::filesystem::equivalent(NativePath(a), NativePath(b), error) && !error) return true;
  return EqualSpelling(Resolved(a), Resolved(b));
}
