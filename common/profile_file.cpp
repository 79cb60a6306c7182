#include "common/profile_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/ascii_case.h"
#include "common/cp932.h"
#include "common/file_path.h"
#include "common/line_file.h"
#include "common/text_checks.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// No trail byte is a blank, so trimming bytes is safe in CP932.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The section name of a "[name]" line.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (!line.starts_with('[')) return std::nullopt;
  for (std::size_t pos = 1; pos < line.size();) {
    std::size_t length = CharLengthAt(line, pos);
    if (length == 1 && line[pos] == ']') return Trim(line.substr(1, pos - 1));
    pos += length;
  }
  return std::nullopt;
}

struct TKeyLine {
  std::string_view Key;
  std::string_view Value;
};

// '=' (0x3D) is never a trail byte, so the first one splits the line.
std::optional<TKeyLine> KeyLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';' || line.front() == '[') return std::nullopt;
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return TKeyLine{key, Trim(line.substr(equals + 1))};
}

std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\'')) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// A value must stay on its line.
std::string OneLine(std::string_view value) {
  std::string line;
  for (char c : value) {
    if (c != '\r' && c != '\n') line += c;
  }
  return line;
}

}  // namespace

TProfileFile::TProfileFile(std::string path) : PathText(std::move(path)) {
  std::filesystem::path native = NativePath(PathText);
  std::error_code error;
  if (!std::filesystem::is_regular_file(native, error)) return;
  std::ifstream file(native, std::ios::binary);
  if (!file) return;
  FileExisted = true;
  try {
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Lines = SplitLines(content);
  } catch (const std::exception&) {
    // Saving what little was read would lose the rest of the file.
    Lines.clear();
    Unreadable = true;
  }
}

std::optional<std::size_t> TProfileFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    std::optional<std::string_view> name = HeaderName(Lines[i]);
    if (name && EqualsIgnoringCase(*name, section)) return i;
  }
  return std::nullopt;
}

std::size_t TProfileFile::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < Lines.size() && !HeaderName(Lines[end])) ++end;
  return end;
}

std::optional<std::size_t> TProfileFile::FindKey(std::size_t header, std::string_view key) const {
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    std::optional<TKeyLine> line = KeyLine(Lines[i]);
    if (line && EqualsIgnoringCase(line->Key, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> TProfileFile::ReadValue(std::string_view section,
                                                   std::string_view key) const {
  std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return std::nullopt;
  return Unquoted(KeyLine(Lines[*line])->Value);
}

std::string TProfileFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  std::optional<std::string> value = ReadValue(section, key);
  return value ? *value : std::string(fallback);
}

int TProfileFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  std::optional<std::string> value = ReadValue(section, key);
  return value ? ToIntegerOr(*value, fallback) : fallback;
}

bool TProfileFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<TProfileEntry> TProfileFile::ReadSection(std::string_view section) const {
  std::vector<TProfileEntry> entries;
  std::optional<std::size_t> header = FindSection(section);
  if (!header) return entries;
  for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
    if (std::optional<TKeyLine> line = KeyLine(Lines[i])) {
      entries.push_back({std::string(line->Key), Unquoted(line->Value)});
    }
  }
  return entries;
}

void TProfileFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  std::optional<std::size_t> header = FindSection(section);
  if (!header) {
    if (!Lines.empty() && !Trim(Lines.back()).empty()) Lines.emplace_back();
    Lines.emplace_back(1, '[');
    Lines.back().append(section).append(1, ']');
    header = Lines.size() - 1;
  }
  if (std::optional<std::size_t> line = FindKey(*header, key)) {
    // Keep the key as the file spells it.
    Lines[*line] = std::string(KeyLine(Lines[*line])->Key) + "=" + OneLine(value);
    return;
  }
  // After the section's last line that is not blank, so blank lines between
  // sections stay where they were.
  std::size_t at = SectionEnd(*header);
  while (at > *header + 1 && Trim(Lines[at - 1]).empty()) --at;
  Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(at),
               std::string(key) + "=" + OneLine(value));
}

void TProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool TProfileFile::Save() const {
  if (Unreadable) return false;
  return WriteLinesReplacing(PathText, Lines);
}
