#include "kirimo/engine/cartridge_ext.h"

#include <array>
#include <utility>

#include "common/comma_list.h"
#include "common/key_encoding.h"
#include "common/profile_file.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/language/connect.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

namespace {

struct TCaptionLetter {
  std::string_view Caption;
  std::string_view Letter;
};

constexpr std::array<TCaptionLetter, 21> CaptionLetters = {{
    {"@", "@"},    {"ABC", "A"}, {"DEF", "D"},  {"GHI", "G"}, {"JKL", "J"}, {"MNO", "M"},
    {"PQRS", "P"}, {"TUV", "T"}, {"WXYZ", "W"}, {"0", "0"},   {"あ", "ｱ"},  {"か", "ｶ"},
    {"さ", "ｻ"},   {"た", "ﾀ"},  {"な", "ﾅ"},   {"は", "ﾊ"},  {"ま", "ﾏ"},  {"や", "ﾔ"},
    {"ら", "ﾗ"},   {"ー", "ｰ"},  {"わ", "ﾜ"},
}};

struct TLetterRow {
  std::string_view Letter;
  std::string_view Row;
  std::string_view VowelCaptions;
};

constexpr std::array<TLetterRow, 21> LetterRows = {{
    {"ｱ", "ｱｲｳｴｵ", "あ,い,う,え,お"},
    {"ｶ", "ｶｷｸｹｺ", "か,き,く,け,こ"},
    {"ｻ", "ｻｼｽｾｿ", "さ,し,す,せ,そ"},
    {"ﾀ", "ﾀﾁﾂﾃﾄ", "た,ち,つ,て,と"},
    {"ﾅ", "ﾅﾆﾇﾈﾉ", "な,に,ぬ,ね,の"},
    {"ﾊ", "ﾊﾋﾌﾍﾎ", "は,ひ,ふ,へ,ほ"},
    {"ﾏ", "ﾏﾐﾑﾒﾓ", "ま,み,む,め,も"},
    {"ﾔ", "ﾔﾕﾖ", "や,ゆ,よ"},
    {"ﾗ", "ﾗﾘﾙﾚﾛ", "ら,り,る,れ,ろ"},
    {"ﾜ", "ﾜｦﾝ", "わ,を,ん"},
    {"ｰ", "ｰ", ""},
    {"@", "@", ""},
    {"A", "ABC", "A,B,C"},
    {"D", "DEF", "D,E,F"},
    {"G", "GHI", "G,H,I"},
    {"J", "JKL", "J,K,L"},
    {"M", "MNO", "M,N,O"},
    {"P", "PQRS", "P,Q,R,S"},
    {"T", "TUV", "T,U,V"},
    {"W", "WXYZ", "W,X,Y,Z"},
    {"0", "0123456789", "0"},
}};

const TLetterRow* FindRow(std::string_view letter) {
  if (letter.empty()) return nullptr;
  for (const TLetterRow& row : LetterRows) {
    if (row.Letter == letter.substr(0, 1)) return &row;
  }
  return nullptr;
}

}  // namespace

std::string TCartridgeEXT::KeyLetterOfCaption(std::string_view caption) {
  for (const TCaptionLetter& entry : CaptionLetters) {
    if (entry.Caption == caption) return std::string(entry.Letter);
  }
  return {};
}

std::string_view TCartridgeEXT::RowOf(std::string_view letter) {
  const TLetterRow* row = FindRow(letter);
  return row ? row->Row : std::string_view();
}

TCartridgeEXT::TCartridgeEXT(const TAppIni& settings, TOutputOperations& output, TBuildProbe probe)
    : TCartridge("EXT", settings, output), Probe(std::move(probe)) {
  BuildKeyLayouts();
  // The root: no key letter, one empty phrase, and the history as its list.
  auto root = std::make_shared<TPhraseList>();
  root->Add(root->Pool().New());
  root->SelectAll();
  PhraseLists.push_back(std::move(root));
  KeyLetters.push_back("");
  CandidateLists.push_back(Borrow(History));
  Connector = &GetConnect();
  ParticleDic = &Connector->ParticleDic();
  Stock = std::make_unique<TPhraseListStock>();
  IdleGridMode = GridOn();
}

TCartridgeEXT::~TCartridgeEXT() {
  // The worker may still be inside an operation: it stops at its next word.
  StopWorker();
  std::lock_guard lock(StateMutex);
  // Only a changed history is written: an unchanged file stays as it was.
  if (HistoryModified) SaveHistoryLocked();
  PhraseLists.clear();
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

bool TCartridgeEXT::HandlesForward() const {
  std::lock_guard lock(StateMutex);
  return SymbolListShown;
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
  std::lock_guard lock(StateMutex);
  SymbolListShown = false;
  previous = std::move(SymbolList);
  SymbolItems = nullptr;
  if (name.empty()) return;
  SymbolList =
      std::make_unique<TSymbolListFile>(TProfileFile(Settings.IniPath), name, Output, Clock);
  SymbolItems = &SymbolList->Items();
}

std::optional<TStringList> TCartridgeEXT::GetVowelLabels(std::string_view keyCaption) {
  std::string letter;
  std::string keyString = GetKeyString();
  if (!keyCaption.empty()) {
    letter = KeyLetterOfCaption(keyCaption);
  } else if (!keyString.empty()) {
    letter = ToKeyString(keyString.substr(keyString.size() - 1));
  }
  const TLetterRow* row = FindRow(letter);
  if (row && !row->VowelCaptions.empty()) return SplitCommaList(row->VowelCaptions);
  TStringList captions;
  for (const TSubButton& button : Settings.SubButtons) captions.push_back(button.Caption);
  return captions;
}

bool TCartridgeEXT::GridOn() const { return Settings.Use50Key; }

TStringList TCartridgeEXT::HistorySnapshot() const {
  std::lock_guard lock(StateMutex);
  return History;
}

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
  return static_cast<int>(PhraseLists.size()) - 1;
}

std::size_t TCartridgeEXT::TopPhraseCount() const {
  std::lock_guard lock(StateMutex);
  return PhraseLists.back()->Count();
}

void TCartridgeEXT::Show(const TStringList& list, int topIndex, int selected) {
  if (!Active) return;
  WithListBox([&](TCandidateListModel& view) {
    view.SetItems(list);
    view.SetTopIndex(topIndex);
    if (selected >= 0) view.SetSelected(selected, true);
    view.SetItemIndex(selected);
  });
}

void TCartridgeEXT::ShowFromWorker(const TStringList& list, int topIndex, int selected) {
  // A burst of keys repaints once, after its last key; until then the list
  // shows nothing, never a list the cartridge has left.
  if (QueueEmpty()) {
    Show(list, topIndex, selected);
  } else {
    ShowNothing();
  }
}

void TCartridgeEXT::ShowNothing() {
  if (!Active) return;
  WithListBox([](TCandidateListModel& view) {
    if (view.Count() > 0) view.Clear();
  });
}

const TStringList& TCartridgeEXT::ActedOnList() const {
  if (VariantsShown) return Variants;
  if (SymbolListShown && SymbolItems) return *SymbolItems;
  if (KeysEntered() && !CandidateLists.empty() && CandidateLists.back())
    return *CandidateLists.back();
  return History;
}

std::optional<TCandidateListModel::TItem> TCartridgeEXT::Selection() {
  return SelectionIn(ActedOnList());
}

void TCartridgeEXT::Deselect() {
  WithListBox([](TCandidateListModel& view) { view.ClearSelection(); });
}
