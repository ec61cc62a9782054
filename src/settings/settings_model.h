#pragma once

#include <string>
#include <string_view>

#include "base/colour.h"
#include "inifile/ini_document.h"

namespace vantrel::app {

inline constexpr std::string_view kSettingsFileName = "Settings.ini";

// The sizes the display's fonts may take, in points: the font dialog offers
// no others, and a size read from a file is brought to the nearest of them
// (a hand-typed 400 would cover half the screen with one letter).
inline constexpr int kFontPointsMin = 6;
inline constexpr int kFontPointsMax = 96;

struct FontSetting {
  std::string name;
  int points = 0;
  base::ColourValue colour = base::kBlack;

  bool operator==(const FontSetting&) const = default;
};

// The program's 33 stored settings, in the settings file's order. Lists
// are item indices; positions are the text of their edit fields.
struct SettingsModel {
  // [MainWindow]
  bool easy_move = true;
  bool minimize_to_tray = false;
  bool transparent = false;
  int alpha = 10;
  bool properties = true;
  // [VolumeProgress]
  bool volume_show = true;
  bool decimals = false;
  int step = 3;
  int border = 3;
  std::string progress_height = "20";
  std::string progress_x = "100";
  std::string progress_y;
  FontSetting text_font{"Dungeon", 18, base::kAqua};
  base::ColourValue border_colour = base::kBlue;
  base::ColourValue progress_colour = base::kLime;
  // [OSD]
  int visible_time = 3;
  std::string osd_x = "100";
  std::string osd_y;
  FontSetting osd_font{"Dungeon", 36, base::kBlue};
  // Which monitor the display goes on (osd::ShowOn). Written only when
  // chosen or already in the file, so that older files save back as they
  // were.
  int osd_show_on = 0;
  // [List]
  bool check_boxes = true;
  bool grid_lines = false;
  // [Tray]
  bool tray_visible = true;
  bool tray_animate = true;
  // [General]
  bool logo = true;
  bool autorun = true;
  int colour_scheme = 2;
  int quality = 0;
  // [Sound]
  int mixer = 0;
  int volume = 0;

  bool operator==(const SettingsModel&) const = default;
};

// Every default; the two vertical positions come from the screen height.
SettingsModel default_settings(int screen_height);

// Reads the 33 keys in order. A value that is missing or unusable (not an
// integer, a colour that is neither a name nor an integer, an index outside
// its list) takes that setting's default and the rest still load: one bad
// line must not cost the user every setting after it.
SettingsModel read_settings(const settings::IniDocument& document, int screen_height);

// Writes the 33 keys in order.
void write_settings(const SettingsModel& model, settings::IniDocument& document);

// Whether a document holds all 33 keys (the ones every save writes): what a save writes, and what a
// save cut off part-way lacks.
bool is_whole_settings_file(const settings::IniDocument& document);

}  // namespace vantrel::app
