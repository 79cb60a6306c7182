#include "common/file_path.h"

#include <vector>

#include "common/ascii_case.h"
#include "common/cp932.h"
#include "common/platform.h"

namespace {

bool IsSeparator(std::string_view character) {
  return character == "/" || (OnWindows && character == "\\");
}

std::string ReplaceSingleByte(std::string_view text, char from, char to) {
  std::string result;
  result.reserve(text.size());
  ForEachChar(text, [&](std::string_view character) {
    if (character.size() == 1 && character[0] == from) {
      result += to;
    } else {
      result += character;
    }
  });
  return result;
}

// Byte offset just past the last separator; 0 when there is none.
std::size_t FileNameStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < path.size();) {
    std::size_t length = CharLengthAt(path, pos);
    if (IsSeparator(path.substr(pos, length))) start = pos + length;
    pos += length;
  }
  return start;
}

// The root a path starts with ("/", "C:\", "\\" or "\"); empty for a relative path.
std::string_view RootOf(std::string_view path) {
  if (!OnWindows) return path.starts_with('/') ? path.substr(0, 1) : std::string_view();
  auto separator_at = [&](std::size_t pos) {
    return pos < path.size() && (path[pos] == '\\' || path[pos] == '/');
  };
  if (separator_at(0)) return path.substr(0, separator_at(1) ? 2 : 1);
  if (path.size() >= 2 && path[1] == ':' && !IsLeadByte(static_cast<unsigned char>(path[0]))) {
    return path.substr(0, separator_at(2) ? 3 : 2);
  }
  return {};
}

}  // namespace

char PathSeparator() { return OnWindows ? '\\' : '/'; }

std::string FromStoredPath(std::string_view stored) {
  return OnWindows ? std::string(stored) : ReplaceSingleByte(stored, '\\', '/');
}

std::string ToStoredPath(std::string_view path) {
  return OnWindows ? std::string(path) : ReplaceSingleByte(path, '/', '\\');
}

std::string FolderOf(std::string_view path) {
  return std::string(path.substr(0, FileNameStart(path)));
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
  std::size_t name = FileNameStart(path);
  std::size_t dot = path.rfind('.');
  std::size_t end = dot != std::string_view::npos && dot >= name ? dot : path.size();
  return std::string(path.substr(0, end)) + std::string(extension);
}

std::string ExpandPath(std::string_view folder, std::string_view path) {
  if (path.empty()) return {};
  std::string joined =
      RootOf(path).empty() ? std::string(folder) + std::string(path) : std::string(path);
  std::string_view root = RootOf(joined);
  std::vector<std::string_view> steps;
  std::string_view rest = std::string_view(joined).substr(root.size());
  std::size_t start = 0;
  auto take_step = [&](std::size_t end) {
    std::string_view step = rest.substr(start, end - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
  };
  for (std::size_t pos = 0; pos < rest.size();) {
    std::size_t length = CharLengthAt(rest, pos);
    if (IsSeparator(rest.substr(pos, length))) {
      take_step(pos);
      start = pos + length;
    }
    pos += length;
  }
  bool trailing_separator = start == rest.size() && !steps.empty();
  take_step(rest.size());

  std::string result(root);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) result += PathSeparator();
    result += steps[i];
  }
  if (trailing_separator) result += PathSeparator();
  return result;
}

std::string RelativeToFolder(std::string_view folder, std::string_view path) {
  if (!folder.empty() && StartsWithIgnoringCase(path, folder)) {
    return std::string(path.substr(folder.size()));
  }
  return std::string(path);
}

std::filesystem::path NativePath(std::string_view path) {
  if (!OnWindows) return std::filesystem::path(Cp932ToUtf8(path));
  std::u16string wide = Cp932ToUtf16(path);
  return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}
