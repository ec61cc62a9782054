#include "actions/dispatch.h"

#include <cmath>

#include "base/utf.h"
#include "ui/link_label.h"

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

double level_percentage(double level) {
  // In long double, as the figure has always been computed, so that 32767
  // gives 49.99 and 65535 exactly 100. A level kept between whole units
  // (32767.5 after 500 steps of 0,1 %) may come out a hair under its
  // hundredth; the allowance, far below the 1/65535 of a hundredth between
  // whole levels, keeps it from being cut to the hundredth below.
  const long double scaled = static_cast<long double>(level) / 65535.0L * 100.0L * 100.0L;
  return static_cast<double>(std::trunc(scaled + 1e-7L) / 100.0L);
}

std::string expand_environment(std::string_view text,
                               const std::function<std::optional<std::string>(std::string_view)>& lookup) {
  std::string expanded;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('%', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    expanded.append(text.substr(at, open - at));
    const std::string_view name = text.substr(open + 1, close - open - 1);
    const std::optional<std::string> value = name.empty() ? std::nullopt : lookup(name);
    if (value) {
      expanded += *value;
      at = close + 1;
    } else {
      // Unknown: kept as written, both marks included.
      expanded.append(text.substr(open, close - open + 1));
      at = close + 1;
    }
  }
  expanded.append(text.substr(at));
  return expanded;
}

Launch launch_of(const hotkeys::HotkeyRow& row) {
  return {row.action, row.arguments, row.start_in};
}

void run_hotkey_action(const Launch& launch, bool test, ActionServices& services) {
  const std::string& action = launch.action;
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
  const ShellRequest request{services.expand_environment(action),
                             services.expand_environment(launch.arguments),
                             services.expand_environment(launch.start_in)};
  if (const auto refusal = launch_refusal(request)) {
    services.show_osd(*refusal);
    if (test) services.show_message(*refusal);
    return;
  }
  const long long code = services.shell_open(request);
  // A failure is told on the display too: the name alone would say it ran.
  services.show_osd(code > 32 ? std::string(file_name_part(action)) : launch_failure_text(code));
  if (test) services.show_message(std::string(launch_message(code)));
}

bool is_address(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!letter(text[0])) return false;
  for (const char c : text.substr(1, colon - 1)) {
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

std::optional<std::string> launch_refusal(const ShellRequest& request) {
  // UTF-16 units: two bytes each.
  const auto units = [](const std::string& text) { return base::utf8_to_utf16le(text).size() / 2; };
  const auto too_long = [](std::string_view what, std::size_t length, std::size_t longest) {
    return std::string(what) + " is too long to open: " + std::to_string(length) + " characters, at most " +
           std::to_string(longest) + ".";
  };
  const std::size_t file = units(request.file);
  if (is_address(request.file)) {
    if (file > kLongestLaunchAddress) return too_long("The address", file, kLongestLaunchAddress);
  } else if (file > kLongestLaunchPath) {
    return too_long("The file name", file, kLongestLaunchPath);
  }
  // The program's quoted name, a blank and the arguments make its command
  // line, ended by a null.
  const std::size_t arguments = units(request.parameters);
  const std::size_t room = kLongestCommandLine - 1 - (file + 3);
  if (arguments > room) return too_long("The arguments text", arguments, room);
  const std::size_t directory = units(request.directory);
  if (directory > kLongestLaunchPath) return too_long("The start-in folder", directory, kLongestLaunchPath);
  return std::nullopt;
}

std::string launch_failure_text(long long result_code) {
  const std::string_view message = launch_message(result_code);
  return message.empty() ? ui::shell_refusal_reason(result_code) : std::string(message);
}

const hotkeys::HotkeyRow* row_for_identifier(const std::vector<hotkeys::HotkeyRow>& rows, long long id) {
  for (const hotkeys::HotkeyRow& row : rows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace vantrel::actions
