#pragma once

#include <array>

#include "base/dpi.h"
#include "frame/frame_layout.h"
#include "ui/geometry.h"

namespace vantrel::app {

// Where the main window's parts sit, in pixels of its client area; its
// title strip and frame lines are every window's (frame_layout.h).
inline constexpr int kMainWindowWidth = 542;
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

}  // namespace vantrel::app
