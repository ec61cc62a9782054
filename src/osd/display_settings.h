#pragma once

#include <string>

#include "base/colour.h"
#include "osd/monitor_choice.h"

namespace vantrel::osd {

struct FontSpec {
  std::string face;
  int points = 0;
  base::ColourValue colour = base::kBlack;
};

// What the display reads at every paint. Positions and the bar height are
// kept as the text the user typed and converted at each call.
struct DisplaySettings {
  bool osd_enabled = true;
  std::string text_x = "100";
  std::string text_y;
  FontSpec text_font{"Dungeon", 36, base::kBlue};
  int visible_ms = 2000;
  ShowOn show_on = ShowOn::primary;

  std::string bar_x = "100";
  std::string bar_y;
  std::string bar_height = "20";
  int border = 5;
  base::ColourValue border_colour = base::kBlue;
  base::ColourValue progress_colour = base::kLime;
  FontSpec figure_font{"Dungeon", 18, base::kAqua};
  bool decimals = false;
};

// The defaults, the two vertical positions taken from the screen height.
DisplaySettings default_display_settings(int screen_height);

}  // namespace vantrel::osd
