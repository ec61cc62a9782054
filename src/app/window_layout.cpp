#include "app/window_layout.h"

namespace vantrel::app {

ui::Point menu_point(ui::Point window_origin, MenuButton button) {
  const ui::Rect& bounds = kMenuButtonBounds[static_cast<std::size_t>(button)];
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
