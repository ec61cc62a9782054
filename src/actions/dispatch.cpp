#include "actions/dispatch.h"

#include <cmath>

namespace vantrel::actions {

BuiltIn match_builtin(std::string_view action) {
  if (action == "Show/Hide Application") return BuiltIn::show_hide;
  if (action == "VolumeDown") return BuiltIn::volume_down;
  if (action == "VolumeUp") return BuiltIn::volume_up;
  if (action == "VolumeMute") return BuiltIn::volume_mute;
  return BuiltIn::none;
}

std::string_view launch_message(long long result_code) {
  if (result_code > 32) return "Execution OK!";
  switch (result_code) {
    case 0:
      return "The operating system is out of memory or resources.";
    case 2:
      return "The specified file was not found.";
    case 3:
      return "The specified path was not found.";
    case 11:
      return "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
    default:
      return "";
  }
}

std::string_view file_name_part(std::string_view action) {
  const std::size_t last = action.find_last_of("\\:");
  return last == std::string_view::npos ? action : action.substr(last + 1);
}

double level_percentage(int level) {
  // In long double, as the figure has always been computed, so that 32767
  // gives 49.99 and 65535 exactly 100.
  const long double scaled = static_cast<long double>(level) / 65535.0L * 100.0L * 100.0L;
  return static_cast<double>(std::trunc(scaled) / 100.0L);
}

void run_hotkey_action(const std::string& action, bool test, ActionServices& services) {
  const BuiltIn builtin = match_builtin(action);
  switch (builtin) {
    case BuiltIn::show_hide:
      services.toggle_application();
      services.show_osd(action);
      return;
    case BuiltIn::volume_down:
    case BuiltIn::volume_up: {
      if (builtin == BuiltIn::volume_down) {
        services.lower_volume();
      } else {
        services.raise_volume();
      }
      const audio::Levels levels = services.read_volume();
      if (services.show_volume_progress_setting()) {
        if (const auto error = services.show_volume_progress(level_percentage(levels.left),
                                                             level_percentage(levels.right))) {
          services.show_message(*error);
          return;
        }
      }
      services.show_osd("Volume");
      return;
    }
    case BuiltIn::volume_mute:
      services.show_osd(action + (services.toggle_mute() ? ": ON" : ": OFF"));
      return;
    case BuiltIn::none:
      break;
  }
  const std::string message(launch_message(services.shell_open(action)));
  services.show_osd(std::string(file_name_part(action)));
  if (test) services.show_message(message);
}

const hotkeys::HotkeyRow* row_for_identifier(const std::vector<hotkeys::HotkeyRow>& rows, long long id) {
  for (const hotkeys::HotkeyRow& row : rows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace vantrel::actions
