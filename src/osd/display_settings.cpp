#include "osd/display_settings.h"

namespace vantrel::osd {

DisplaySettings default_display_settings(int screen_height) {
  DisplaySettings settings;
  settings.text_y = std::to_string(screen_height * 75 / 100);
  settings.bar_y = std::to_string(screen_height * 85 / 100);
  return settings;
}

}  // namespace vantrel::osd
