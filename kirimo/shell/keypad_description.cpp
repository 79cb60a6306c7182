#include "kirimo/shell/keypad_description.h"

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

}  // namespace

std::string DescribeKeypad(const TKeypadDescription& keypad) {
  const TKeypadGeometry& g = keypad.Controls;
  TLines lines(keypad.ClientOrigin);
  if (g.GridVisible)
    lines.AddAll("cell", g.GridCells, keypad.Captions.Grid());
  else
    lines.AddAll("key", g.Keys, keypad.Captions.Keys());
  lines.AddAll("vowel", g.Vowels, keypad.Captions.Vowels());
  lines.Add("clear", 0, g.Clear, "クリア");
  lines.Add("dic", 0, g.Dictionary, keypad.Name);
  lines.Add("hide", 0, g.Hide, "隠す");
  lines.Add("up", 0, g.ListUp, "▲");
  lines.Add("down", 0, g.ListDown, "▼");
  lines.Add("left", 0, g.ListLeft, "<");
  lines.Add("right", 0, g.ListRight, ">");
  lines.Add("sponsor", 0, g.Sponsor, "");
  lines.Add("splitter", 0, g.Splitter, "");
  for (std::size_t row = 0; row < keypad.Rows.Texts.size(); ++row) {
    const int top = g.ListBox.Top + static_cast<int>(row) * keypad.ItemHeight;
    if (top + keypad.ItemHeight > g.ListBox.Bottom) break;
    const TRect rect{g.ListBox.Left, top, g.ListBox.Right, top + keypad.ItemHeight};
    lines.Add("row", keypad.Rows.TopIndex + static_cast<int>(row), rect,
              keypad.Rows.Texts[row] + (keypad.Rows.Selected[row] ? "*" : ""));
  }
  lines.AddValue("top", std::to_string(keypad.Rows.TopIndex));
  lines.AddValue("count", std::to_string(keypad.Rows.Count));
  lines.AddValue("status", keypad.Status);
  lines.AddValue("name", keypad.Name);
  lines.AddValue("enabled", keypad.FormEnabled ? "1" : "0");
  return lines.Text;
}
