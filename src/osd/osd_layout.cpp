#include "osd/osd_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "inifile/ini_values.h"

namespace vantrel::osd {

Point text_origin(int x, int y, Size screen, int dpi) {
  x = scaled(x, dpi);
  y = scaled(y, dpi);
  if (x > screen.width - scaled(200, dpi)) x = screen.width - scaled(200, dpi);
  if (y > screen.height - scaled(60, dpi)) y = screen.height - scaled(110, dpi);
  return {x, y};
}

Point keep_on_screen(Point origin, Size extent, Size screen) {
  const auto within = [](int at, int length, int room) { return std::max(0, std::min(at, room - length)); };
  return {within(origin.x, extent.width, screen.width), within(origin.y, extent.height, screen.height)};
}

BarLayout bar_layout(BarInput in, Size screen, double first, double second, Size widest_figure, int dpi) {
  const int w = screen.width;
  const int fifty = scaled(50, dpi);
  int x = scaled(in.x, dpi);
  if (x > static_cast<int>(std::trunc(w / 2.0 - fifty))) x = static_cast<int>(std::trunc(w / 2.0)) - fifty;
  int y = scaled(in.y, dpi);
  if (y > screen.height - scaled(60, dpi)) y = screen.height - scaled(60, dpi);
  const int height = std::min(scaled(in.height, dpi), scaled(100, dpi));
  const int b = scaled(in.border, dpi);

  const int inner_left = static_cast<int>(std::trunc(x + b / 2.0));
  const int inner_top = static_cast<int>(std::trunc(y + b / 2.0));
  const int right = w - x;
  const int bottom = y + height;
  const int middle = bottom - height / 2;
  const double span = w - 2.0 * x;
  const auto end = [&](double p) { return x + static_cast<int>(std::trunc(span / 100.0 * p)); };

  BarLayout layout;
  layout.background = {inner_left, inner_top, right, bottom};
  layout.upper = {inner_left, inner_top, end(first), middle};
  layout.lower = {inner_left, middle, end(second), bottom};
  layout.frame = {x, y, right, y + height};
  layout.frame_ellipse = scaled(15, dpi);
  layout.border = b;
  layout.figure_box = {(w - widest_figure.width) / 2, y - widest_figure.height / 2,
                       (w + widest_figure.width) / 2, y + widest_figure.height / 2};
  layout.figure_box_ellipse = scaled(9, dpi);
  layout.figure_box_pen = b / 2;
  layout.bar_top = y;
  layout.figure_lift = scaled(4, dpi);
  return layout;
}

std::string figure_text(double first, double second, bool decimals, char decimal_separator) {
  double value = std::max(first, second);
  if (!decimals) value = std::trunc(value);
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', decimal_separator);
  return text;
}

Point figure_origin(const BarLayout& layout, Size screen, Size figure_extent) {
  return {screen.width / 2 - figure_extent.width / 2,
          layout.bar_top - (figure_extent.height + layout.figure_lift) / 2};
}

bool is_empty(Rect rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

Rect normalised(Rect rect) {
  return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
          std::max(rect.top, rect.bottom)};
}

Rect inflated(Rect rect, int by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

Rect united(Rect a, Rect b) {
  if (is_empty(a)) return b;
  if (is_empty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

bool contains(Rect outer, Rect inner) {
  return is_empty(inner) || (!is_empty(outer) && outer.left <= inner.left && outer.top <= inner.top &&
                             outer.right >= inner.right && outer.bottom >= inner.bottom);
}

Rect offset(Rect rect, Point by) {
  return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

std::optional<int> setting_number(const std::string& text) {
  return settings::parse_integer(text);
}

}  // namespace vantrel::osd
