#pragma once
// The alphanumeric mode: digits and letter groups on the keys, single letters on
// the vowel buttons, ASCII characters on the grid, and fixed pages of phrases
// and symbols in the list (the first may be a symbol list). It keeps no key
// string and looks nothing up; the controller calls it on the UI thread.
#include <memory>
#include <string_view>

#include "kirimo/cartridge_base/cartridge.h"
#include "kirimo/symbol_lists/clock.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

class TProfileFile;

class TCartridgeNM : public TCartridge {
 public:
  // Reads the pages from the settings file; the clock must outlive the cartridge.
  TCartridgeNM(const TAppIni& settings, TOutputOperations& output, const TClock& clock);
  ~TCartridgeNM() override;

  void SetActive(bool active) override;
  void AttachListBox(TCandidateListModel& listBox) override;
  // The page shown.
  TStringList GetCandidateList() const override;
  void AttachNamePanel(TNamePanelView& namePanel) override;
  void SelectCandidate(int index) override;
  void SendSelected() override {}
  void Back() override;
  void Forward() override;
  // A long press on a symbol of the symbol page offers its two width forms.
  void Accumulate() override;
  void Clear() override;
  void InputKey(std::string_view caption) override;
  void InputVowel(std::string_view caption) override;
  std::optional<TStringList> GetVowelLabels(std::string_view caption) override;
  bool UsesVowelKeys() const override { return true; }
  void InputSyllable(std::string_view text) override;

  int PageIndex() const { return Page; }
  int PageCount() const;
  bool WidthChoiceShown() const { return WidthShown; }

 protected:
  void BuildKeyLayouts() override;

 private:
  void LoadPages(const TProfileFile& profile, const TClock& clock);
  void AddPage(TStringList items);
  void ShowPage();
  // The items of the page, without the side effects of GetCandidateList.
  TStringList PageItems() const;
  // What the list shows: the width forms or the page.
  TStringList ShownList() const;
  void ReleaseModifiers() const;

  int Page = 0;
  // The width-choice state: ">" leaves it as it is while showing the next page.
  bool WidthShown = false;
  TStringList WidthChoices;  // full-width form, then half-width
  // Whether the list shows the width forms now, rather than a page.
  bool WidthFormsOnScreen = false;
  std::unique_ptr<TSymbolListFile> SymbolList;
};
