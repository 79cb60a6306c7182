#include "kirimo/shell/keypad_tree_layout.h"

#include <algorithm>

namespace {

// Cuts docked parts off the free rectangle, never more than is left.
class TDock {
 public:
  explicit TDock(TRect free) : Free(free) {}
  TRect Top(int height) {
    height = std::clamp(height, 0, Free.Height());
    TRect part{Free.Left, Free.Top, Free.Right, Free.Top + height};
    Free.Top += height;
    return part;
  }
  TRect Bottom(int height) {
    height = std::clamp(height, 0, Free.Height());
    TRect part{Free.Left, Free.Bottom - height, Free.Right, Free.Bottom};
    Free.Bottom -= height;
    return part;
  }
  TRect Left(int width) {
    width = std::clamp(width, 0, Free.Width());
    TRect part{Free.Left, Free.Top, Free.Left + width, Free.Bottom};
    Free.Left += width;
    return part;
  }
  TRect Right(int width) {
    width = std::clamp(width, 0, Free.Width());
    TRect part{Free.Right - width, Free.Top, Free.Right, Free.Bottom};
    Free.Right -= width;
    return part;
  }
  TRect Rest() const { return Free; }

 private:
  TRect Free;
};

TRect Offset(TRect rect, const TRect& panel) {
  return {rect.Left + panel.Left, rect.Top + panel.Top, rect.Right + panel.Left,
          rect.Bottom + panel.Top};
}

// Buttons laid out inside their panel, moved to where the panel is.
template <typename TRects, typename TTarget>
void Place(const TRects& rects, const TRect& panel, TTarget& target) {
  for (std::size_t i = 0; i < rects.size(); ++i) target[i] = Offset(rects[i], panel);
}

// A row of the key area of height96 as shipped, for this key area: at least
// its fixed size, more in proportion to a key area taller than shipped.
int GrownRow(int fixed, int height96, int keyHeight) {
  return std::max(
      fixed, static_cast<int>(static_cast<long long>(height96) * keyHeight / ShippedKeyHeight));
}

}  // namespace

TKeypadTree LayoutKeypad(const TKeypadShape& shape, const TKeypadSizes& sizes) {
  TKeypadTree tree;
  TKeypadGeometry& g = tree.Controls;
  TDock window({0, 0, std::max(shape.ClientWidth, 0), std::max(shape.ClientHeight, 0)});
  g.StatusBar = window.Bottom(sizes.StatusBarHeight);

  TDock main(window.Rest());
  main.Top(sizes.SpacerHeight);
  if (shape.SponsorVisible) g.Sponsor = main.Top(sizes.SponsorHeight);
  main.Top(sizes.SpacerHeight);
  TRect search = main.Bottom(shape.KeyHeight);
  tree.Controls.Splitter = main.Bottom(sizes.SplitterHeight);

  TDock list(main.Rest());
  TDock buttons(list.Bottom(sizes.ListButtonsHeight));
  g.ListBox = list.Rest();
  g.ListLeft = buttons.Left(sizes.SideButtonWidth);
  g.ListRight = buttons.Right(sizes.SideButtonWidth);
  g.ListUp = buttons.Top(sizes.UpButtonHeight);
  g.ListDown = buttons.Rest();

  const TKeypadSizes shipped;
  TDock keys(search);
  if (shape.VowelRowVisible)
    tree.VowelPanel =
        keys.Top(GrownRow(sizes.VowelRowHeight, shipped.VowelRowHeight, shape.KeyHeight));
  keys.Top(sizes.SpacerHeight);
  tree.CommandPanel =
      keys.Bottom(GrownRow(sizes.CommandRowHeight, shipped.CommandRowHeight, shape.KeyHeight));
  keys.Bottom(sizes.SpacerHeight);
  g.ParentPanel = keys.Rest();

  if (shape.VowelRowVisible) {
    Place(VowelButtonRects(tree.VowelPanel.Width(), tree.VowelPanel.Height()), tree.VowelPanel,
          g.Vowels);
  }
  std::array<TRect, CommandCount> commands;
  Place(CommandButtonRects(tree.CommandPanel.Width(), tree.CommandPanel.Height()),
        tree.CommandPanel, commands);
  g.Clear = commands[0];
  g.Dictionary = commands[1];
  g.Hide = commands[2];

  const TRect& parent = g.ParentPanel;
  g.GridVisible = shape.GridVisible;
  if (shape.GridVisible) {
    auto cells = GridCellRects(parent.Width(), parent.Height(), GridColumns, GridRows);
    g.GridCells.resize(cells.size());
    Place(cells, parent, g.GridCells);
  } else {
    Place(KeyButtonRects(parent.Width(), parent.Height()), parent, g.Keys);
  }
  return tree;
}

int DraggedKeyHeight(const TKeypadTree& tree, const TKeypadSizes& sizes, int itemHeight,
                     int splitterBottom) {
  const TKeypadGeometry& g = tree.Controls;
  const int lowest =
      sizes.VowelRowHeight + sizes.CommandRowHeight + 4 * sizes.SpacerHeight + itemHeight;
  const int highest =
      g.StatusBar.Top - g.ListBox.Top - sizes.ListButtonsHeight - sizes.SplitterHeight - itemHeight;
  return std::clamp(g.StatusBar.Top - splitterBottom, lowest, std::max(lowest, highest));
}
