#pragma once
// The base of every dictionary: a display name and the file it was read from.
#include <string>
#include <string_view>

class TDictionary {
 public:
  TDictionary(std::string name, std::string fileName);
  virtual ~TDictionary() = default;
  TDictionary(const TDictionary&) = delete;
  TDictionary& operator=(const TDictionary&) = delete;

  // Takes in the lines added to the file since it was read. Nothing to do here.
  virtual void Reload();
  // Adds one entry and answers its line index in the file; -1 when the dictionary takes none.
  virtual int AddEntry(std::string_view line);
  // Whether the entry of line is held; a dictionary without entries claims all of them,
  // so nothing is ever added to it.
  virtual bool ContainsEntry(std::string_view line) const;

  const std::string& GetName() const { return Name; }
  const std::string& GetFileName() const { return FileName; }

 private:
  std::string Name;
  std::string FileName;
};
