#pragma once

namespace vantrel::tray {

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};

// Where a window of the given size stands centred on the screen; each
// coordinate is halved rounding toward zero, so a window larger than the
// screen gets a negative origin.
Point centred_origin(int screen_width, int screen_height, int window_width, int window_height);

}  // namespace vantrel::tray
