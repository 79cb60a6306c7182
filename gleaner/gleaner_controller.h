#pragma once
// The logic of Gleaner's window: cuts a pasted text into candidate words (runs
// of one character class) that the chosen Kirimo dictionary and its user file
// do not hold yet, proposes their readings, edits both lists and appends the
// pairs to the user file.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/gleaner_views.h"
#include "gleaner/reading_query.h"
#include "gleaner/word_dic.h"

// State of one entry.
constexpr std::uint8_t StatusNoReading = 0;  // nothing proposed a reading
constexpr std::uint8_t StatusProposed = 1;   // readings proposed, not saved
constexpr std::uint8_t StatusSaved = 2;      // written to the user dictionary

class TGleanerController {
 public:
  // Opens every present dictionary with its user file (creating a missing
  // user file empty) and parses the base pair; extensions are parsed when
  // first chosen. A dictionary without a usable user file is left out.
  TGleanerController(const TGleanerAppIni& settings, TReadingQuery& readings);
  TGleanerController(const TGleanerController&) = delete;
  TGleanerController& operator=(const TGleanerController&) = delete;

  void SetExtractProgress(TProgressView* progress) { ExtractProgress = progress; }
  void SetSaveProgress(TProgressView* progress) { SaveProgress = progress; }

  void Clear();
  void Extract(std::string_view text);
  void SaveToDictionary();

  int CurrentIndex() const { return Current; }
  const TStringList& GetNotations() const { return Notations; }
  const TStringList& GetCurrentReadings() const;
  const TStringList& GetReadings(int index) const;  // of any entry, without making it current
  const TStringList& SelectNotation(int index);
  int AddNotation(std::string_view text);
  int EditNotation(std::string_view text);
  int DeleteNotation(int index);
  int AddReading(std::string_view text);
  int EditReading(int index, std::string_view text);
  int DeleteReading(int index);
  std::uint8_t GetStatus(int index) const;

  void FillDictionaryChoices(TChoiceView& selector);
  int SelectedExtension() const;  // 1 to 3, or 0 for the base or none
  TWordDic* SelectedDic() const;
  TWordDic* SelectedUsr() const;
  void PrepareSelected();

 private:
  struct TDicPair {
    std::string DicName;
    std::unique_ptr<TWordDic> Dic;
    std::unique_ptr<TWordDic> Usr;
  };
  int SelectedPair() const;  // index into Pairs, or -1
  void TestWord(const std::string& word, const TWordDic* dic, const TWordDic* usr);
  void AppendEntry(const std::string& notation, TStringList readings, std::uint8_t status);
  TStringList& CurrentReadings();  // raises std::out_of_range when there is no entry

  TReadingQuery& ReadingQuery;
  int Current = -1;
  std::array<TDicPair, TGleanerAppIni::DicCount> Pairs;
  TStringList Notations;
  std::vector<TStringList> Readings;
  std::vector<std::uint8_t> Status;
  const TStringList EmptyReadings;
  TProgressView* ExtractProgress = nullptr;
  TProgressView* SaveProgress = nullptr;
  TChoiceView* DicSelector = nullptr;
};
