// Forward: the variants list (widths, cases and kana forms of a candidate),
// the jump to the next initial letter, and the symbol list at the root.
#include <algorithm>

#include "common/ascii_case.h"
#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/language/phrase.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

namespace {

std::string FullLower(std::string_view text) {
  return ToFullWidth(ToLowerAscii(ToHalfWidth(text)));
}
std::string FullUpper(std::string_view text) {
  return ToFullWidth(ToUpperAscii(ToHalfWidth(text)));
}

// The full-width form of text and, when it differs, that made half-width.
TStringList WidthFormsOf(const std::string& text) {
  TStringList forms{ToFullWidth(text)};
  std::string half = ToHalfWidth(forms.front());
  if (half != forms.front()) forms.push_back(std::move(half));
  return forms;
}

}  // namespace

std::optional<TStringList> TCartridgeEXT::VariantsOf(const std::string& s, const TPhraseList& top,
                                                     const TStop& stop) {
  TStringList variants;
  auto add = [&variants](const std::string& text) {
    if (std::find(variants.begin(), variants.end(), text) == variants.end()) {
      variants.push_back(text);
    }
  };
  std::string half = ToHalfWidth(s);
  if (!s.empty() && IsAllLetters(s)) {
    std::string capital = ToLowerAscii(half);
    capital = ToUpperAscii(capital.substr(0, 1)) + capital.substr(1);
    add(capital);
    add(ToFullWidth(capital));
    add(ToLowerAscii(half));
    add(ToFullWidth(ToLowerAscii(half)));
    add(ToUpperAscii(half));
    add(ToFullWidth(ToUpperAscii(half)));
  }
  add(ToLowerAscii(half));
  add(ToUpperAscii(half));
  add(FullLower(s));
  add(FullUpper(s));
  std::string hiragana = ToHiragana(s);
  add(hiragana);
  add(ToKatakana(hiragana));
  add(ToHalfWidth(ToKatakana(hiragana)));
  for (std::size_t i = 0; i < top.Count(); ++i) {
    if (stop()) return std::nullopt;
    const TPhrase* phrase = top.GetItem(i);
    if (phrase->GetNotation() != hiragana) continue;
    std::string reading = phrase->GetReading();
    std::string full = ToFullWidth(reading);
    std::string fullHiragana = ToHiragana(full);
    add(reading);
    add(ToLowerAscii(reading));
    add(ToUpperAscii(reading));
    add(full);
    add(FullLower(full));
    add(FullUpper(full));
    add(fullHiragana);
    add(FullLower(fullHiragana));
    add(FullUpper(fullHiragana));
  }
  return variants;
}

void TCartridgeEXT::ShowVariants() {
  VariantsShown = true;
  Show(Variants, 0, -1);
}

void TCartridgeEXT::Forward() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  ForwardLocked(after);
}

void TCartridgeEXT::ForwardLocked(TAfterUnlock& after) {
  if (VariantsShown) return;
  std::optional<TCandidateListModel::TItem> selection = Selection();
  std::string selected = selection ? selection->Text : std::string();
  bool hasSelection = selection.has_value();
  if (KeysEntered()) {
    if (GridOn() || PhraseMode) {
      if (!hasSelection) return;
      RequestVariants(selected, TVariantsStep::Candidate, after);
    } else if (Active && !Narrowing) {
      int top = TopList().NextAnchor();
      int first = TopList().AnchorTopIndex();
      WithListBox([&](TCandidateListModel& view) {
        view.SetTopIndex(top);
        view.ClearSelection();
        view.SetSelected(first, true);
        view.SetItemIndex(first);
      });
    }
  } else if (hasSelection) {
    if (SymbolList && SymbolList->IsDateTimeLabel(selected)) {
      selected = SymbolList->FormatDateTimeOf(selected);
    }
    RequestVariants(selected, TVariantsStep::WidthsOnly, after);
  } else if (Active) {
    ToggleSymbolList(after);
  }
}

void TCartridgeEXT::RequestVariants(const std::string& selected, TVariantsStep::TKind kind,
                                    TAfterUnlock& after) {
  Variants.clear();
  ShowVariants();
  PendingVariants = TVariantsStep{selected, kind, PhraseLists.back()};
  after.Add([this] { PostOperation({opDeferred, ""}); });
}

void TCartridgeEXT::GatherVariants() {
  std::optional<TVariantsStep> step;
  {
    std::lock_guard lock(StateMutex);
    step.swap(PendingVariants);
  }
  if (!step) return;
  // The list stays as it is while the variants are shown: only the worker
  // changes it, and it is here.
  std::optional<TStringList> variants =
      step->Kind == TVariantsStep::WidthsOnly
          ? WidthFormsOf(step->Text)
          : VariantsOf(step->Text, *step->Top,
                       LoopStop([this] { return AbortRequested || UndoQueued(); }));
  std::lock_guard lock(StateMutex);
  // A back step or clear closed them meanwhile, or is about to.
  if (!variants || !VariantsShown || PhraseLists.back() != step->Top) return;
  Variants = std::move(*variants);
  ShowFromWorker(Variants, 0, -1);
}
