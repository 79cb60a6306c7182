#pragma once
// The extension dictionary settings dialog without its window: the three
// groups (name, file, key type) read from the settings, checked, and stored.
#include <array>
#include <memory>
#include <string>
#include <string_view>

class TAppIni;

struct TExtDicGroup {
  std::string Name;
  std::string File;
  // 0 "かな", 1 "英数": the layout the cartridge starts with. Another number
  // the settings hold shows as no item and is stored back unchanged.
  int KeyType = 0;
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

// What the dialog asks and tells the user.
class TExtDicPrompts {
 public:
  virtual ~TExtDicPrompts() = default;
  // An error box (error icon, OK button), DataErrorMessage among others.
  virtual void ShowError(std::string_view message) = 0;
  // A warning with Yes and No; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
};

// Dictionaries opened for new settings, not in use yet; destroyed unused
// when the settings cannot be written.
class TPreparedDictionaries {
 public:
  virtual ~TPreparedDictionaries() = default;
  // Puts them in use and rebuilds the cartridges on them; the dictionaries
  // they replace are freed only once no cartridge can read them. Does not fail.
  virtual void Apply() = 0;
};

// What must follow new settings: the dictionary manager re-opens the
// extension dictionaries, then the keypad rebuilds its cartridges.
class TExtDicConsumers {
 public:
  virtual ~TExtDicConsumers() = default;
  // Opens what the settings now name and the dictionaries in use are not.
  // Raises std::runtime_error naming the file when one cannot be opened;
  // nothing in use has changed then.
  virtual std::unique_ptr<TPreparedDictionaries> Prepare() = 0;
};

class TExtDicSettings {
 public:
  // The settings outlive this object; nothing changes until Store.
  explicit TExtDicSettings(TAppIni& settings) : Settings(settings) {}

  // The groups as the settings hold them now.
  TExtDicGroups Load() const;
  // Checks in order: name and file both set or both empty; distinct names as
  // typed (the later group is at fault); files that exist or that the user
  // lets us create empty. The first failure; none when the groups may be stored.
  bool Validate(const TExtDicGroups& groups, TExtDicPrompts& prompts,
                TExtDicFailure& failure) const;
  // Opens the dictionaries the trimmed groups name, writes them into the
  // settings file, then puts the dictionaries in use and rebuilds the
  // cartridges. False, with the message shown, when a dictionary cannot be
  // opened or the settings file not written: then the settings, their file,
  // the dictionaries and the cartridges stay as they were.
  bool Store(const TExtDicGroups& groups, TExtDicConsumers& consumers, TExtDicPrompts& prompts);

  // The question asked for a missing file.
  static std::string MissingFileQuestion(std::string_view file);

 private:
  // A file as typed, made full against the program's folder.
  std::string FullPath(std::string_view file) const;

  TAppIni& Settings;
};
