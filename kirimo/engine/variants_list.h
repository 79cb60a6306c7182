#pragma once
// The variants list: the other widths, cases and kana forms of a chosen text,
// and the readings of the phrases written so. It opens empty and the worker
// gathers its items: a long list may hold many phrases to look at, a long
// text takes long to convert. It has no lock of its own: its owner guards it.
#include <memory>
#include <optional>
#include <string>

#include "common/string_list.h"
#include "kirimo/engine/phrase_list.h"

class TVariantsList {
 public:
  // A candidate's variants, or only the two widths of an item at the root.
  enum TKind { Candidate, WidthsOnly };
  // What the worker is to gather: the variants of which text, from which list.
  struct TRequest {
    std::string Text;
    TKind Kind = Candidate;
    std::shared_ptr<TPhraseList> Top;
  };

  // The variants a request asks for; none when stopped.
  static std::optional<TStringList> Gather(const TRequest& request, const TLoopStop& stop);
  // The other widths, cases and kana forms of text, and the readings of the
  // phrases of top written so. None when stopped.
  static std::optional<TStringList> VariantsOf(const std::string& text, const TPhraseList& top,
                                               const TLoopStop& stop);

  // Empties the list and keeps the request for the worker.
  void Open(TRequest request);
  // The request waiting for the worker, taken once.
  std::optional<TRequest> TakeRequest();
  void Fill(TStringList items) { List = std::move(items); }
  // Empties the list and drops the request.
  void Close();
  const TStringList& Items() const { return List; }

 private:
  TStringList List;
  std::optional<TRequest> Pending;
};
