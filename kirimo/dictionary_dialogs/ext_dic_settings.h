#pragma once
// The extension dictionary settings dialog without its window: the three
// groups (name, file, key type) read from the settings, checked, and stored.
#include <array>
#include <string>
#include <string_view>

class TAppIni;

struct TExtDicGroup {
  std::string Name;
  std::string File;
  int KeyType = 0;  // 0 "かな", 1 "英数": the layout the cartridge starts with
};

inline constexpr int ExtDicGroupCount = 3;
using TExtDicGroups = std::array<TExtDicGroup, ExtDicGroupCount>;

inline constexpr std::string_view DataErrorMessage = "データエラー！";

// Where the focus goes when the check fails.
enum class TExtDicField { Name, File };
struct TExtDicFailure {
  int Group = 0;  // 0 to 2
  TExtDicField Field = TExtDicField::Name;
};

// What the dialog asks the user.
class TExtDicPrompts {
 public:
  virtual ~TExtDicPrompts() = default;
  // The error box with DataErrorMessage.
  virtual void ShowDataError() = 0;
  // A warning with Yes and No; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
};

// What must follow new settings: the dictionary manager re-opens the
// extension dictionaries, then the keypad rebuilds its cartridges.
class TExtDicConsumers {
 public:
  virtual ~TExtDicConsumers() = default;
  virtual void ApplySettings() = 0;
  virtual void RebuildCartridges() = 0;
};

class TExtDicSettings {
 public:
  // The settings outlive this object; nothing changes until Store.
  explicit TExtDicSettings(TAppIni& settings) : Settings(settings) {}

  // The groups as the settings hold them now.
  TExtDicGroups Load() const;
  // Checks in order: name and file both set or both empty; distinct names (the
  // later group is at fault); files that exist or that the user lets us create
  // empty. The first failure; none when the groups may be stored.
  bool Validate(const TExtDicGroups& groups, TExtDicPrompts& prompts,
                TExtDicFailure& failure) const;
  // Stores the trimmed groups, writes the settings file and lets the
  // dictionaries and cartridges follow.
  void Store(const TExtDicGroups& groups, TExtDicConsumers& consumers);

  // The question asked for a missing file.
  static std::string MissingFileQuestion(std::string_view file);

 private:
  // A file as typed, made full against the program's folder.
  std::string FullPath(std::string_view file) const;

  TAppIni& Settings;
};
