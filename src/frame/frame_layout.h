#pragma once

#include <optional>

#include "ui/geometry.h"

namespace vantrel::app {

// What every borderless window's frame shares, in pixels of its client
// area. The window has no border, so its client area starts at its own
// top-left.
inline constexpr int kTitleStripHeight = 26;
// LabelLeft and LabelRight are this wide, LabelBottom this high.
inline constexpr int kFrameLineWidth = 2;

// The three frame lines of a window of that client size: left and right
// below the title strip, the bottom one on the bottom edge.
struct FrameLines {
  ui::Rect left;
  ui::Rect right;
  ui::Rect bottom;
};
FrameLines frame_lines(int width, int height);

// What a drag starts from: the title strip moves the window always, the
// window's body (its surface, the list, the properties panel) only with
// "Easy Window Move" on.
enum class DragSource { title_strip, body };

// Moving the window with the mouse. Positions are in the coordinates of the
// control that was pressed; since that control moves with the window, each
// move shifts the window by the mouse's travel since the previous move.
class WindowDrag {
 public:
  void press(ui::Point at) { anchor_ = at; }
  // The window's new top-left, or nothing when this move leaves it where
  // it is.
  std::optional<ui::Point> move(DragSource source, bool easy_move, bool left_button_down,
                                ui::Point window_origin, ui::Point at) const;

 private:
  ui::Point anchor_;
};

}  // namespace vantrel::app
