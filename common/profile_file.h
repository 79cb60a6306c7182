#pragma once
// An ini file read and written with the rules of the Windows profile functions:
// "[section]" headers and "key=value" lines; sections and keys are matched
// ignoring case and the first match wins; keys and values are trimmed, and a
// value enclosed in a matching pair of quotes (' or ") loses them. Lines
// starting with ';' and lines without '=' are not keys but are kept.
//
// The file is read once when the object is made; writes change the copy in
// memory and Save() puts it back as CP932 with CR LF, every other line, comment
// and the order untouched. Save writes a temporary file beside the target and
// renames it over, so the file is never left half-written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TProfileEntry {
  std::string Key;
  std::string Value;
};

class TProfileFile {
 public:
  // A missing or unreadable file is read as an empty one (Existed() false).
  explicit TProfileFile(std::string path);

  const std::string& Path() const { return PathText; }
  bool Existed() const { return FileExisted; }

  // The value of the first matching key of the first matching section.
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Decimal (or "$" hexadecimal) integers; fallback when missing or not an integer.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // Integer, 0 false and anything else true; fallback when missing or not an integer.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  // Every key of the first matching section, in file order (duplicates included).
  std::vector<TProfileEntry> ReadSection(std::string_view section) const;

  // Changes the first matching key, or adds it at the end of its section, or
  // adds the section at the end of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Writes the file; false (and the old file untouched) when that fails or
  // when the file could not be read.
  bool Save() const;

 private:
  std::optional<std::size_t> FindSection(std::string_view section) const;  // its header line
  std::size_t SectionEnd(std::size_t header) const;  // the next header or the end
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

  std::string PathText;
  bool FileExisted = false;
  bool Unreadable = false;         // it exists but reading it failed: never overwrite it
  std::vector<std::string> Lines;  // as read, without line ends
};
