#include "app/window_layout.h"

namespace vantrel::app {

ui::Size main_window_size(bool properties_panel_shown, int dpi) {
  return {base::scale_length(kMainWindowWidth, dpi),
          base::scale_length(main_window_height(properties_panel_shown), dpi)};
}

ui::Point menu_point(ui::Point window_origin, MenuButton button, int dpi) {
  const ui::Rect bounds = base::scale_rect(kMenuButtonBounds[static_cast<std::size_t>(button)], dpi);
  return {window_origin.x + bounds.left, window_origin.y + bounds.bottom};
}

FrameLines frame_lines(int width, int height) {
  return {
      {0, kTitleStripHeight, kFrameLineWidth, height},
      {width - kFrameLineWidth, kTitleStripHeight, width, height},
      {0, height - kFrameLineWidth, width, height},
  };
}

std::optional<ui::Point> WindowDrag::move(DragSource source, bool easy_move, bool left_button_down,
                                          ui::Point window_origin, ui::Point at) const {
  const bool allowed = source == DragSource::title_strip || easy_move;
  if (!allowed || !left_button_down) return std::nullopt;
  return ui::Point{window_origin.x + at.x - anchor_.x, window_origin.y + at.y - anchor_.y};
}

}  // namespace vantrel::app
