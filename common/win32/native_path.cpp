#include <windows.h>

#include "common/file_path.h"

std::filesystem::path NativePath(std::string_view path) {
  if (path.empty()) return {};
  int length = MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
  return std::filesystem::path(wide);
}
