#pragma once

#include <array>
#include <optional>

#include "base/dpi.h"
#include "ui/geometry.h"

namespace vantrel::app {

// Where the main window's parts sit, in pixels of its client area. The
// window has no border, so its client area starts at its own top-left.
inline constexpr int kMainWindowWidth = 542;
inline constexpr int kTitleStripHeight = 26;
// LabelLeft and LabelRight are this wide, LabelBottom this high.
inline constexpr int kFrameLineWidth = 2;
inline constexpr ui::Rect kListBounds{2, 45, 2 + 538, 45 + 228};
// 148 high: the action's row, then the arguments' and the start-in
// folder's.
inline constexpr ui::Rect kPropertiesPanelBounds{2, 272, 2 + 538, 272 + 148};

// The four buttons of the menu bar, left to right.
enum class MenuButton { hotkeys, view, window, help };
inline constexpr std::array<ui::Rect, 4> kMenuButtonBounds{{
    {3, 27, 3 + 100, 27 + 16},
    {103, 27, 103 + 100, 27 + 16},
    {203, 27, 203 + 100, 27 + 16},
    {303, 27, 303 + 100, 27 + 16},
}};

// The client height: down to the bottom of the properties panel while it
// shows, down to the bottom of the list when the shorter window cuts the
// panel off; the bottom frame line below either.
constexpr int main_window_height(bool properties_panel_shown) {
  return (properties_panel_shown ? kPropertiesPanelBounds : kListBounds).bottom + kFrameLineWidth;
}

// The window's size on a screen of `dpi` dots per inch: every designed
// length above scaled alike, so the window and its parts stay in step.
ui::Size main_window_size(bool properties_panel_shown, int dpi);

// The screen point at which a menu button's menu opens: its top-left
// corner just under the button's left edge, on a screen of `dpi`.
ui::Point menu_point(ui::Point window_origin, MenuButton button, int dpi = base::kDesignDpi);

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
