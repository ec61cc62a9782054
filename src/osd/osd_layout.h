#pragma once

#include <optional>
#include <string>

#include "ui/geometry.h"

namespace vantrel::osd {

using ui::Point;
using ui::Rect;
using ui::Size;

// Where the text goes: X no further right than W - 200; a Y below H - 60 is
// pulled up to H - 110. Neither is clamped from above or the left.
Point text_origin(int x, int y, Size screen);

struct BarInput {
  int x = 0;
  int y = 0;
  int height = 0;
  int border = 0;
};

struct BarLayout {
  Rect background;  // black, black 1-pixel outline
  Rect upper;       // first level, no outline
  Rect lower;       // second level, no outline
  Rect frame;       // rounded 15 x 15, border colour, `border` wide
  int border = 0;
  Rect figure_box;  // rounded 9 x 9, black, border colour, border / 2 wide
  int figure_box_pen = 0;
  int bar_top = 0;  // the figure's text is centred on it
};

// The bar for the two levels in per cent, with the extent of "100.00" in
// the figure font fixing the figure box.
BarLayout bar_layout(BarInput input, Size screen, double first, double second, Size widest_figure);

// The figure over the bar: the larger level, cut to a whole number unless
// decimals are wanted, in its shortest form (up to 15 significant digits).
std::string figure_text(double first, double second, bool decimals, char decimal_separator = '.');

// Where the figure's text goes for its extent: centred on the screen's
// middle line and on the bar's top edge.
Point figure_origin(const BarLayout& layout, Size screen, Size figure_extent);

// Rectangle arithmetic for the bounds of what has been drawn. An empty
// rectangle (no width or no height) is no area at all.
bool is_empty(Rect rect);
// Left above right and top above bottom, as GDI draws a rectangle given
// either way round.
Rect normalised(Rect rect);
Rect inflated(Rect rect, int by);
// The smallest rectangle holding both; an empty one adds nothing.
Rect united(Rect a, Rect b);
bool contains(Rect outer, Rect inner);
Rect offset(Rect rect, Point by);

// A setting's text as a whole number, as the display converts it at each
// call; nullopt when it is none.
std::optional<int> setting_number(const std::string& text);

}  // namespace vantrel::osd
