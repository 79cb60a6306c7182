#include "common/dictionary_file.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "common/file_path.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view path) {
  throw std::runtime_error(std::string(what) + std::string(path));
}

}  // namespace

bool FileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(path), error);
}

std::string UserDictionaryPath(std::string_view dicFile) {
  return ReplaceExtension(dicFile, ".usr");
}

void CreateFileIfMissing(std::string_view path) {
  if (FileExists(path)) return;
  std::ofstream file(NativePath(path), std::ios::binary | std::ios::app);
  if (!file) Fail("ファイルを作成できません: ", path);
}

std::string ReadWholeFile(std::string_view path) {
  std::ifstream file(NativePath(path), std::ios::binary);
  if (!file) Fail("ファイルを読めません: ", path);
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0) Fail("ファイルを読めません: ", path);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  file.seekg(0);
  if (!file.read(bytes.data(), size)) Fail("ファイルを読めません: ", path);
  return bytes;
}

void AppendLine(std::string_view path, std::string_view contents, std::string_view line) {
  std::string tail;
  const bool unterminated = !contents.empty() && contents.back() != '\n' && contents.back() != '\r';
  if (unterminated) tail = "\r\n";
  tail.append(line).append("\r\n");
  {
    std::ofstream file(NativePath(path), std::ios::binary | std::ios::app);
    if (file && file.write(tail.data(), static_cast<std::streamsize>(tail.size())) && file.flush())
      return;
  }
  // A disk that filled up may have taken part of the tail: cut it off again, so
  // a later try does not find half a line before its own.
  std::error_code ignored;
  if (std::filesystem::is_regular_file(NativePath(path), ignored) &&
      std::filesystem::file_size(NativePath(path), ignored) > contents.size())
    std::filesystem::resize_file(NativePath(path), contents.size(), ignored);
  Fail("ファイルに書き込めません: ", path);
}
