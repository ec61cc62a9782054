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

}  // namespace vantrel::app
