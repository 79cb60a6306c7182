#pragma once
// The parsed rows of one dictionary file: reading and notation of every line,
// with an index by notation so that a base dictionary of hundreds of
// thousands of rows answers at once. Answers are those of a scan from the
// first row: the first matching row is found.
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TWordRow {
  std::string Reading;
  std::string Notation;
};

class TWordRows {
 public:
  // Parses the line by Kirimo's row rules; a line without an entry (no
  // fields, or five and more) gives an empty row that matches nothing.
  // Answers the row's index.
  int Append(std::string_view line);

  int Count() const { return static_cast<int>(Rows.size()); }
  const TWordRow& Row(int index) const { return Rows.at(static_cast<std::size_t>(index)); }

  // First row with this notation and reading; -1 if none.
  int FindEntry(std::string_view notation, std::string_view reading) const;
  // First row with this notation; -1 if none.
  int FindNotation(std::string_view notation) const;

 private:
  struct TChain {
    int First;
    int Last;
  };
  // A deque keeps every row where it is, so the index may point into it.
  std::deque<TWordRow> Rows;
  std::unordered_map<std::string_view, TChain> ByNotation;
  std::vector<int> NextSameNotation;  // per row; -1 at the end of a chain
};
