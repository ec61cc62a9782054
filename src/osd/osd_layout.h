#pragma once

#include <optional>
#include <string>

#include "base/dpi.h"
#include "ui/geometry.h"

namespace vantrel::osd {

using ui::Point;
using ui::Rect;
using ui::Size;

// The display's lengths are set for 96 dots per inch and scaled for the
// monitor's DPI by the rule every window follows.
inline constexpr int kDesignDpi = base::kDesignDpi;
inline int scaled(int length, int dpi) {
  return base::scale_length(length, dpi);
}

// Where the text goes: X no further right than W - 200; a Y below H - 60 is
// pulled up to H - 110. Neither is clamped from above or the left. The
// position and the margins scale with `dpi`; W and H are in pixels.
Point text_origin(int x, int y, Size screen, int dpi = kDesignDpi);

// The origin moved as little as needed for a text of that extent to lie
// within the screen: its right and bottom edges first, then its left and
// top, so a text wider than the screen starts at its left edge.
Point keep_on_screen(Point origin, Size extent, Size screen);

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
  Rect frame;       // rounded, border colour, `border` wide
  int frame_ellipse = 15;
  int border = 0;
  Rect figure_box;  // rounded, black, border colour, border / 2 wide
  int figure_box_ellipse = 9;
  int figure_box_pen = 0;
  int bar_top = 0;      // the figure's text is centred on it
  int figure_lift = 4;  // added to the figure's height before halving
};

// The bar for the two levels in per cent, with the extent of "100.00" in
// the figure font fixing the figure box. The input's lengths, the limits and
// the corner ellipses scale with `dpi`; the screen and extent are pixels.
BarLayout bar_layout(BarInput input, Size screen, double first, double second, Size widest_figure,
                     int dpi = kDesignDpi);

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
