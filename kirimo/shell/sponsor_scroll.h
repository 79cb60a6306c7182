#pragma once
// What the sponsor strip shows and where: the message on show moves 4 pixels
// to the left each tick, and once it has left the strip on the left the next
// message enters from the right edge.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kirimo/shell/sponsor_file.h"

class TSponsorScroll {
 public:
  static constexpr std::string_view DefaultMessage = "スポンサー募集中！";
  static constexpr int StepPixels = 4;
  static constexpr int TickMilliseconds = 150;
  static constexpr int TextTop = 1;

  // firstIndex is taken modulo the number of entries (0 with none).
  TSponsorScroll(std::vector<TSponsorEntry> entries, int firstIndex);

  // The strip's width: the text starts at its right edge.
  void Attach(int clientWidth) { ScrollX = clientWidth; }
  // One tick after the text was drawn at X(): textWidth is its drawn width.
  void Advance(int textWidth, int clientWidth);

  const std::string& Text() const;
  int X() const { return ScrollX; }
  int MessageIndex() const { return Index; }
  // The page of the message on show; none when there are no entries.
  std::optional<std::string> Page() const;

 private:
  std::vector<TSponsorEntry> Entries;
  std::string Default{DefaultMessage};
  int Index = 0;
  int ScrollX = 0;
};
