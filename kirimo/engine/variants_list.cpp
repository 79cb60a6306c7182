#include "kirimo/engine/variants_list.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "common/char_class.h"
#include "common/kana_conversion.h"
#include "kirimo/language/phrase.h"

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

std::optional<TStringList> TVariantsList::Gather(const TRequest& request, const TLoopStop& stop) {
  if (request.Kind == WidthsOnly) return WidthFormsOf(request.Text);
  return VariantsOf(request.Text, *request.Top, stop);
}

std::optional<TStringList> TVariantsList::VariantsOf(const std::string& s, const TPhraseList& top,
                                                     const TLoopStop& stop) {
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

void TVariantsList::Open(TRequest request) {
  List.clear();
  Pending = std::move(request);
}

std::optional<TVariantsList::TRequest> TVariantsList::TakeRequest() {
  std::optional<TRequest> request;
  request.swap(Pending);
  return request;
}

void TVariantsList::Close() {
  List.clear();
  Pending.reset();
}
