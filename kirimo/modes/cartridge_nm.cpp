#include "kirimo/modes/cartridge_nm.h"

#include <array>
#include <string>

#include "common/blank_text.h"
#include "common/comma_list.h"
#include "common/kana_conversion.h"
#include "common/profile_file.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/output_operations.h"
#include "kirimo/modes/sub_button_labels.h"

namespace {

constexpr std::string_view PagesSection = "NM_DIC";

constexpr std::array<std::string_view, 8> LetterGroups = {"ABC", "DEF",  "GHI", "JKL",
                                                          "MNO", "PQRS", "TUV", "WXYZ"};

bool IsLetterGroup(std::string_view caption) {
  for (std::string_view group : LetterGroups) {
    if (group == caption) return true;
  }
  return false;
}

// The key of a letter or digit (its upper-case character code), 0 for anything else.
int LetterOrDigitKey(std::string_view text) {
  if (text.empty()) return 0;
  char first = text.front();
  if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 'a' + 'A');
  bool keyed = (first >= 'A' && first <= 'Z') || (first >= '0' && first <= '9');
  return keyed ? first : 0;
}

// The comma list's fields plus the blank entry no key button shows.
TStringList CaptionSet(std::string_view commaList) {
  TStringList captions = SplitCommaList(commaList);
  captions.push_back(" ");
  return captions;
}

}  // namespace

TCartridgeNM::TCartridgeNM(const TAppIni& settings, TOutputOperations& output, const TClock& clock)
    : TCartridge("NM", settings, output) {
  BuildKeyLayouts();
  LoadPages(TProfileFile(settings.IniPath), clock);
  std::lock_guard<std::mutex> lock(StateMutex);
  KeyLetters.assign(1, "");
}

TCartridgeNM::~TCartridgeNM() {
  StopWorker();
  ReleaseModifiers();
}

void TCartridgeNM::BuildKeyLayouts() {
  KeyLayouts = {CaptionSet("1,2,3,4,5,6,7,8,9, ,0,英"),
                CaptionSet(" ,ABC,DEF,GHI,JKL,MNO,PQRS,TUV,WXYZ, , ,数")};
  GridLayouts = {"@abcdefghijklmnopqrstuvwxyz#%&0123456789:/._-~\"!? "};
  LayoutIndex = 0;
  GridIndex = 0;
}

void TCartridgeNM::LoadPages(const TProfileFile& profile, const TClock& clock) {
  if (!Settings.NmSymbolName.empty()) {
    SymbolList = std::make_unique<TSymbolListFile>(profile, Settings.NmSymbolName, Output, clock);
    AddPage(SymbolList->Items());
  }
  for (int n = 1;; ++n) {
    std::string value = profile.ReadString(PagesSection, "NM_LIST" + std::to_string(n), "END");
    if (value == "END") break;
    AddPage(SplitCommaList(value));
  }
  if (PageCount() == 0) AddPage({});
}

void TCartridgeNM::AddPage(TStringList items) {
  std::lock_guard<std::mutex> lock(StateMutex);
  CandidateLists.push_back(std::make_shared<const TStringList>(std::move(items)));
}

int TCartridgeNM::PageCount() const {
  std::lock_guard<std::mutex> lock(StateMutex);
  return static_cast<int>(CandidateLists.size());
}

void TCartridgeNM::ReleaseModifiers() const {
  if (SymbolList) SymbolList->ReleaseModifiers();
}

void TCartridgeNM::SetActive(bool active) {
  ReleaseModifiers();
  TCartridge::SetActive(active);
}

TStringList TCartridgeNM::GetCandidateList() const {
  ReleaseModifiers();
  return PageItems();
}

TStringList TCartridgeNM::PageItems() const {
  std::lock_guard<std::mutex> lock(StateMutex);
  if (Page < 0 || Page >= static_cast<int>(CandidateLists.size())) return {};
  return *CandidateLists[Page];
}

TStringList TCartridgeNM::ShownList() const {
  return WidthFormsOnScreen ? WidthChoices : PageItems();
}

void TCartridgeNM::ShowPage() {
  TStringList items = GetCandidateList();
  WidthFormsOnScreen = false;
  WithListBox([&items](TCandidateListModel& list) { list.SetItems(items); });
}

void TCartridgeNM::AttachListBox(TCandidateListModel& listBox) {
  TCartridge::AttachListBox(listBox);
  WidthFormsOnScreen = false;  // the base shows the page
}

void TCartridgeNM::AttachNamePanel(TNamePanelView& namePanel) {
  TCartridge::AttachNamePanel(namePanel);
  WithNamePanel([this](TNamePanelView& panel) { panel.SetCaption(Settings.NmDicName); });
}

void TCartridgeNM::SelectCandidate(int index) {
  // The width forms are no symbol list items, even where one reads like a key label.
  bool symbolPage = SymbolList && Page == 0 && !WidthFormsOnScreen;
  if (!ShowsItemOf(index, ShownList())) return;  // a click left from another list
  bool handled = false;
  bool selected = false;
  std::string text;
  WithListBox([&](TCandidateListModel& list) {
    if (list.SelectedIndex() < 0) return;
    selected = true;
    handled = symbolPage && SymbolList->HandleClick(list, index);
    text = TrimBlanks(list.ItemText(index));
  });
  if (!selected || handled) return;
  try {
    SendTextWithCaret(Output, text);
  } catch (...) {
    // A target that refuses the text must not stop the keypad.
  }
  if (WidthShown) Clear();
  WithListBox([index](TCandidateListModel& list) { list.SetSelected(index, false); });
}

void TCartridgeNM::Back() {
  ReleaseModifiers();
  if (WidthShown) {
    WidthShown = false;
    WidthChoices.clear();
    ShowPage();
    return;
  }
  Page = Page == 0 ? PageCount() - 1 : Page - 1;
  ShowPage();
  WithListBox([](TCandidateListModel& list) { list.ClearSelection(); });
}

void TCartridgeNM::Forward() {
  ReleaseModifiers();
  Page = Page + 1 >= PageCount() ? 0 : Page + 1;
  ShowPage();
}

void TCartridgeNM::Accumulate() {
  if (WidthShown) return;
  std::optional<TCandidateListModel::TItem> item = SelectionIn(ShownList());
  if (!item) return;
  const int selected = item->Index;
  std::string text(TrimBlanks(item->Text));
  bool keep = false;
  if (SymbolList && Page == 0) {
    if (!SymbolList->IsKeyLabel(text)) {
      if (SymbolList->IsDateTimeLabel(text)) text = SymbolList->FormatDateTimeOf(text);
      WidthChoices = {ToFullWidth(text), ToHalfWidth(text)};
      WidthShown = true;
      WidthFormsOnScreen = true;
      WithListBox([this](TCandidateListModel& list) { list.SetItems(WidthChoices); });
      return;
    }
    keep = SymbolList->IsModifierLabel(text) && SymbolList->IsModifierHeld(text);
  }
  WithListBox([&](TCandidateListModel& list) { list.SetSelected(selected, keep); });
}

void TCartridgeNM::Clear() {
  try {
    ReleaseModifiers();
    WidthShown = false;
    WidthChoices.clear();
    ShowPage();
    WithListBox([](TCandidateListModel& list) { list.ClearSelection(); });
  } catch (...) {
    // Clearing is the way out of any trouble; it must not fail itself.
  }
}

void TCartridgeNM::InputKey(std::string_view caption) {
  if (!IsLetterGroup(caption)) Output.SendText(caption);
}

void TCartridgeNM::InputVowel(std::string_view caption) {
  if (!IsKeyCommand(caption)) {
    if (int key = LetterOrDigitKey(caption)) Output.PressKey(key);
  } else if (IsActive()) {
    SendKeyCommand(caption);
  }
}

void TCartridgeNM::InputSyllable(std::string_view text) {
  if (text == "&&") {
    Output.SendText("&");
  } else if (int key = LetterOrDigitKey(text)) {
    Output.PressKey(key);
  } else if (!text.empty()) {
    Output.SendText(text);
  }
}

std::optional<TStringList> TCartridgeNM::GetVowelLabels(std::string_view caption) {
  if (!IsLetterGroup(caption)) return SubButtonLabels(Settings);
  TStringList letters;
  for (char letter : caption)
    letters.push_back(std::string(1, static_cast<char>(letter - 'A' + 'a')));
  return letters;
}
