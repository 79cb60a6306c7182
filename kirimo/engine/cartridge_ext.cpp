#include "kirimo/engine/cartridge_ext.h"

#include <utility>

#include "common/comma_list.h"
#include "common/key_encoding.h"
#include "common/profile_file.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/engine/key_letters.h"
#include "kirimo/language/connect.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

TCartridgeEXT::TCartridgeEXT(const TAppIni& settings, TOutputOperations& output, TBuildProbe probe)
    : TCartridge("EXT", settings, output),
      Levels(KeyLetters, CandidateLists, History.Entries()),
      Builder(GetConnect()),
      Probe(std::move(probe)) {
  BuildKeyLayouts();
  Stock = std::make_unique<TPhraseListStock>();
  IdleGridMode = GridOn();
}

TCartridgeEXT::~TCartridgeEXT() {
  // The worker may still be inside an operation: it stops at its next word.
  StopWorker();
  std::lock_guard lock(StateMutex);
  // Only a changed history is written: an unchanged file stays as it was.
  History.SaveChanges();
  Levels.Clear();
  Stock.reset();
}

void TCartridgeEXT::BuildKeyLayouts() {
  KeyLayouts = {SplitCommaList("あ,か,さ,た,な,は,ま,や,ら,ー,わ,A"),
                SplitCommaList("@,ABC,DEF,GHI,JKL,MNO,PQRS,TUV,WXYZ,,0,あ")};
  GridLayouts = {"ｱｶｻﾀﾅﾊﾏﾔﾗﾜｲｷｼﾁﾆﾋﾐﾕﾘｦｳｸｽﾂﾇﾌﾑﾖﾙﾝｴｹｾﾃﾈﾍﾒﾞﾚｰｵｺｿﾄﾉﾎﾓﾟﾛA",
                 "@ABCDEFGHIJKLMNOPQRSTUVWXYZ   0123456789         ｱ"};
  LayoutIndex = 0;
  GridIndex = 0;
}

void TCartridgeEXT::SetActive(bool active) {
  TAfterUnlock after;
  // Under the lock, so no worker update is half-way when the controls go.
  std::lock_guard lock(StateMutex);
  if (TSymbolListFile* list = SymbolList.get()) after.Add([list] { list->ReleaseModifiers(); });
  TCartridge::SetActive(active);
}

void TCartridgeEXT::AttachListBox(TCandidateListModel& listBox) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  HideSymbolList(after);
  // The list a click acts on: variants left open when the user switched to
  // another mode show again, so what shows is what a click types.
  AttachAndShow(listBox, ActedOnList());
}

void TCartridgeEXT::AttachNamePanel(TNamePanelView& panel) {
  std::lock_guard lock(StateMutex);
  TCartridge::AttachNamePanel(panel);
  if (Dictionary) {
    WithNamePanel([this](TNamePanelView& view) { view.SetCaption(Dictionary->GetName()); });
  }
}

void TCartridgeEXT::SetDictionary(TDictionary* dictionary) {
  std::lock_guard lock(StateMutex);
  TCartridge::SetDictionary(dictionary);
  MainDictionary = dynamic_cast<const TDictionaryEXT*>(dictionary);
}

void TCartridgeEXT::SetUserDictionary(TDictionaryEXT* dictionary) {
  std::lock_guard lock(StateMutex);
  UserDictionary = dictionary;
}

void TCartridgeEXT::SetSymbolList(const std::string& name) {
  // The list before this one lets go of its keys as it goes, after the lock.
  std::unique_ptr<TSymbolListFile> previous;
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  HideSymbolList(after);
  previous = std::move(SymbolList);
  if (name.empty()) return;
  SymbolList =
      std::make_unique<TSymbolListFile>(TProfileFile(Settings.IniPath), name, Output, Clock);
}

std::optional<TStringList> TCartridgeEXT::GetVowelLabels(std::string_view keyCaption) {
  std::string letter;
  std::string keyString = GetKeyString();
  if (!keyCaption.empty()) {
    letter = KeyLetterOfCaption(keyCaption);
  } else if (!keyString.empty()) {
    letter = ToKeyString(keyString.substr(keyString.size() - 1));
  }
  std::string_view vowels = VowelCaptionsOf(letter);
  if (!vowels.empty()) return SplitCommaList(vowels);
  TStringList captions;
  for (const TSubButton& button : Settings.SubButtons) captions.push_back(button.Caption);
  return captions;
}

bool TCartridgeEXT::GridOn() const { return Settings.Use50Key; }

int TCartridgeEXT::RowPosition() const {
  std::lock_guard lock(StateMutex);
  return RowPrebuildPos;
}

int TCartridgeEXT::SyllablePosition() const {
  std::lock_guard lock(StateMutex);
  return SyllablePrebuildPos;
}

int TCartridgeEXT::StackDepth() const {
  std::lock_guard lock(StateMutex);
  return Levels.Steps();
}

std::size_t TCartridgeEXT::TopPhraseCount() const {
  std::lock_guard lock(StateMutex);
  return Levels.Top().Count();
}
