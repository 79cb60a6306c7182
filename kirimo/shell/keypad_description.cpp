#include "kirimo/shell/keypad_description.h"

#include <algorithm>

namespace {

class TLines {
 public:
  explicit TLines(TPoint origin) : Origin(origin) {}
  void Add(const char* name, int index, const TRect& rect, std::string_view caption) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    Text += std::string(name) + '\t' + std::to_string(index) + '\t' +
            std::to_string(Origin.X + (rect.Left + rect.Right) / 2) + '\t' +
            std::to_string(Origin.Y + (rect.Top + rect.Bottom) / 2) + '\t' + std::string(caption) +
            '\n';
  }
  template <typename TRects, typename TCaptions>
  void AddAll(const char* name, const TRects& rects, const TCaptions& captions) {
    for (std::size_t i = 0; i < rects.size() && i < captions.size(); ++i)
      Add(name, static_cast<int>(i), rects[i], ShownCaption(captions[i]));
  }
  void AddValue(const char* name, std::string_view value) {
    Text += std::string(name) + "\t0\t0\t0\t" + std::string(value) + '\n';
  }
  std::string Text;

 private:
  TPoint Origin;
};

// The name a control's line has, for the countdown on it.
std::string LineName(TKeypadPart part) {
  switch (part) {
    case TKeypadPart::Key:
      return "key";
    case TKeypadPart::GridCell:
      return "cell";
    case TKeypadPart::Vowel:
      return "vowel";
    case TKeypadPart::Clear:
      return "clear";
    case TKeypadPart::Dictionary:
      return "dic";
    case TKeypadPart::Hide:
      return "hide";
    case TKeypadPart::ListUp:
      return "up";
    case TKeypadPart::ListDown:
      return "down";
    case TKeypadPart::ListLeft:
      return "left";
    case TKeypadPart::ListRight:
      return "right";
    case TKeypadPart::ListBox:
      return "row";
    case TKeypadPart::ItemStem:
      return "stem";
    case TKeypadPart::StatusBar:
      return "status";
    case TKeypadPart::Sponsor:
      return "sponsor";
    default:
      return "other";
  }
}

}  // namespace

std::string DescribeKeypad(const TKeypadDescription& keypad) {
  const TKeypadGeometry& g = keypad.Controls;
  TLines lines(keypad.ClientOrigin);
  if (g.GridVisible)
    lines.AddAll("cell", g.GridCells, keypad.Captions.Grid());
  else
    lines.AddAll("key", g.Keys, keypad.Captions.Keys());
  lines.AddAll("vowel", g.Vowels, keypad.Captions.Vowels());
  lines.Add("clear", 0, g.Clear, FixedCaption(TKeypadPart::Clear));
  lines.Add("dic", 0, g.Dictionary, FixedCaption(TKeypadPart::Dictionary, keypad.Name));
  lines.Add("hide", 0, g.Hide, FixedCaption(TKeypadPart::Hide));
  lines.Add("up", 0, g.ListUp, FixedCaption(TKeypadPart::ListUp));
  lines.Add("down", 0, g.ListDown, FixedCaption(TKeypadPart::ListDown));
  lines.Add("left", 0, g.ListLeft, FixedCaption(TKeypadPart::ListLeft));
  lines.Add("right", 0, g.ListRight, FixedCaption(TKeypadPart::ListRight));
  lines.Add("sponsor", 0, g.Sponsor, "");
  lines.Add("statusbar", 0, g.StatusBar, keypad.Status);
  lines.Add("splitter", 0, g.Splitter, "");
  for (std::size_t row = 0; row < keypad.Rows.Texts.size(); ++row) {
    const int top = g.ListBox.Top + static_cast<int>(row) * keypad.ItemHeight;
    if (top + keypad.ItemHeight > g.ListBox.Bottom) break;
    const TRect rect{g.ListBox.Left, top, g.ListBox.Right, top + keypad.ItemHeight};
    const int item = keypad.Rows.TopIndex + static_cast<int>(row);
    lines.Add("row", item, rect, keypad.Rows.Texts[row] + (keypad.Rows.Selected[row] ? "*" : ""));
    if (g.StemWidth > 0)
      lines.Add("stem", item,
                {std::max(rect.Left, rect.Right - g.StemWidth), rect.Top, rect.Right, rect.Bottom},
                keypad.Rows.Texts[row]);
  }
  lines.AddValue("top", std::to_string(keypad.Rows.TopIndex));
  lines.AddValue("count", std::to_string(keypad.Rows.Count));
  lines.AddValue("status", keypad.Status);
  lines.AddValue("name", keypad.Name);
  lines.AddValue("enabled", keypad.FormEnabled ? "1" : "0");
  const std::optional<TDwellCountdown>& countdown = keypad.Countdown;
  lines.AddValue("countdown", countdown ? LineName(countdown->Control.Part) + " " +
                                              std::to_string(countdown->Control.Index) + " " +
                                              std::to_string(countdown->Permille)
                                        : std::string());
  lines.AddValue("dwells", std::to_string(keypad.Dwells));
  return lines.Text;
}
