#include "frame/frame_layout.h"

namespace vantrel::app {

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
