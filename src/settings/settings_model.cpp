#include "settings/settings_model.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "inifile/colour_names.h"
#include "inifile/ini_values.h"
#include "settings/options_rules.h"

namespace vantrel::app {
namespace {

using settings::IniDocument;

constexpr int kQualityCount = 3;
constexpr int kBorderCount = 9;

// One stored setting: where it lives in the file and how it moves between
// the file's text and the model.
struct Key {
  std::string_view section;
  std::string_view name;
  // Reads the stored text into the model; false when it is unusable.
  std::function<bool(SettingsModel&, std::string_view)> read;
  std::function<std::string(const SettingsModel&)> write;
  // Written only when its value is not the default or the file has it.
  bool optional = false;
};

Key yes_no(std::string_view section, std::string_view name, bool SettingsModel::*field) {
  return {section, name,
          [field](SettingsModel& m, std::string_view text) {
            const auto number = settings::parse_integer(text);
            if (number) m.*field = *number != 0;
            return number.has_value();
          },
          [field](const SettingsModel& m) { return std::string(m.*field ? "1" : "0"); }};
}

Key integer(std::string_view section, std::string_view name, int SettingsModel::*field, int low, int high) {
  return {section, name,
          [=](SettingsModel& m, std::string_view text) {
            const auto number = settings::parse_integer(text);
            if (!number || *number < low || *number > high) return false;
            m.*field = *number;
            return true;
          },
          [field](const SettingsModel& m) { return std::to_string(m.*field); }};
}

Key text(std::string_view section, std::string_view name, std::string SettingsModel::*field) {
  return {section, name,
          [field](SettingsModel& m, std::string_view value) {
            m.*field = std::string(value);
            return true;
          },
          [field](const SettingsModel& m) { return m.*field; }};
}

Key colour(std::string_view section, std::string_view name, base::ColourValue SettingsModel::*field) {
  return {section, name,
          [field](SettingsModel& m, std::string_view value) {
            const auto parsed = settings::parse_colour(value);
            if (parsed) m.*field = *parsed;
            return parsed.has_value();
          },
          [field](const SettingsModel& m) { return settings::colour_text(m.*field); }};
}

// A font's three stored parts: colour, name and size in points.
Key font_colour(std::string_view section, std::string_view name, FontSetting SettingsModel::*font) {
  return {section, name,
          [font](SettingsModel& m, std::string_view value) {
            const auto parsed = settings::parse_colour(value);
            if (parsed) (m.*font).colour = *parsed;
            return parsed.has_value();
          },
          [font](const SettingsModel& m) { return settings::colour_text((m.*font).colour); }};
}

Key font_name(std::string_view section, std::string_view name, FontSetting SettingsModel::*font) {
  return {section, name,
          [font](SettingsModel& m, std::string_view value) {
            (m.*font).name = std::string(value);
            return true;
          },
          [font](const SettingsModel& m) { return (m.*font).name; }};
}

Key font_size(std::string_view section, std::string_view name, FontSetting SettingsModel::*font) {
  return {section, name,
          [font](SettingsModel& m, std::string_view value) {
            const auto number = settings::parse_integer(value);
            if (number) (m.*font).points = std::clamp(*number, kFontPointsMin, kFontPointsMax);
            return number.has_value();
          },
          [font](const SettingsModel& m) { return std::to_string((m.*font).points); }};
}

constexpr int kIntMax = 0x7FFFFFFF;
constexpr int kShowOnCount = 3;

Key optional(Key key) {
  key.optional = true;
  return key;
}

const std::vector<Key>& keys() {
  static const std::vector<Key> table{
      yes_no("MainWindow", "EasyMove", &SettingsModel::easy_move),
      yes_no("MainWindow", "MinimizeToTray", &SettingsModel::minimize_to_tray),
      yes_no("MainWindow", "Transparent", &SettingsModel::transparent),
      // The slider holds 2 to 10 and moves a stored value into that range.
      {"MainWindow", "Alpha",
       [](SettingsModel& m, std::string_view value) {
         const auto number = settings::parse_integer(value);
         if (number) m.alpha = *number < 2 ? 2 : (*number > 10 ? 10 : *number);
         return number.has_value();
       },
       [](const SettingsModel& m) { return std::to_string(m.alpha); }},
      yes_no("MainWindow", "Properties", &SettingsModel::properties),
      yes_no("VolumeProgress", "Show", &SettingsModel::volume_show),
      yes_no("VolumeProgress", "Decimals", &SettingsModel::decimals),
      integer("VolumeProgress", "Step", &SettingsModel::step, 0,
              static_cast<int>(std::size(kVolumeStepItems)) - 1),
      integer("VolumeProgress", "Border", &SettingsModel::border, 0, kBorderCount - 1),
      text("VolumeProgress", "Height", &SettingsModel::progress_height),
      text("VolumeProgress", "X", &SettingsModel::progress_x),
      text("VolumeProgress", "Y", &SettingsModel::progress_y),
      font_colour("VolumeProgress", "TextFontColor", &SettingsModel::text_font),
      font_name("VolumeProgress", "TextFontName", &SettingsModel::text_font),
      font_size("VolumeProgress", "TextFontSize", &SettingsModel::text_font),
      colour("VolumeProgress", "BorderColor", &SettingsModel::border_colour),
      colour("VolumeProgress", "ProgressColor", &SettingsModel::progress_colour),
      integer("OSD", "VisibleTime", &SettingsModel::visible_time, 0,
              static_cast<int>(std::size(kVisibleTimeItems)) - 1),
      text("OSD", "X", &SettingsModel::osd_x),
      text("OSD", "Y", &SettingsModel::osd_y),
      font_colour("OSD", "FontColor", &SettingsModel::osd_font),
      font_name("OSD", "FontName", &SettingsModel::osd_font),
      font_size("OSD", "FontSize", &SettingsModel::osd_font),
      optional(integer("OSD", "ShowOn", &SettingsModel::osd_show_on, 0, kShowOnCount - 1)),
      yes_no("List", "CheckBoxes", &SettingsModel::check_boxes),
      yes_no("List", "GridLines", &SettingsModel::grid_lines),
      yes_no("Tray", "Visible", &SettingsModel::tray_visible),
      yes_no("Tray", "Animate", &SettingsModel::tray_animate),
      yes_no("General", "Logo", &SettingsModel::logo),
      yes_no("General", "Autorun", &SettingsModel::autorun),
      // An index past the schemes is kept: the colour scheme falls back to
      // its default row for it, and the user's number stays in the file.
      integer("General", "Color", &SettingsModel::colour_scheme, -1, kIntMax),
      integer("General", "Quality", &SettingsModel::quality, 0, kQualityCount - 1),
      // Device and line indices are checked against the sound devices
      // present when they are used.
      integer("Sound", "Mixer", &SettingsModel::mixer, 0, kIntMax),
      integer("Sound", "Volume", &SettingsModel::volume, 0, kIntMax),
  };
  return table;
}

}  // namespace

SettingsModel default_settings(int screen_height) {
  SettingsModel model;
  model.progress_y = std::to_string(screen_height * 85 / 100);
  model.osd_y = std::to_string(screen_height * 75 / 100);
  return model;
}

SettingsModel read_settings(const IniDocument& document, int screen_height) {
  SettingsModel model = default_settings(screen_height);
  for (const Key& key : keys()) {
    if (!document.find(key.section, key.name)) continue;
    // A bad value leaves the default the model already holds.
    key.read(model, settings::read_string(document, key.section, key.name, ""));
  }
  return model;
}

void write_settings(const SettingsModel& model, IniDocument& document) {
  static const SettingsModel defaults;
  for (const Key& key : keys()) {
    const std::string value = key.write(model);
    if (key.optional && value == key.write(defaults) && !document.find(key.section, key.name)) continue;
    settings::write_string(document, key.section, key.name, value);
  }
}

bool is_whole_settings_file(const IniDocument& document) {
  for (const Key& key : keys()) {
    if (!key.optional && !document.find(key.section, key.name)) return false;
  }
  return true;
}

}  // namespace vantrel::app
