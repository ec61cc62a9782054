#pragma once

#include <string_view>

namespace vantrel::app {

// Both rules compare in lower case against the program's own path in
// double quotes: a plain start ("path" alone, or with one trailing blank)
// shows the main window; the autorun entry ("path" hide) and anything else
// leaves the program in the tray.
bool shows_main_window(std::string_view command_line, std::string_view program_path);

// The splash shows when the setting allows it, except for the quoted path
// followed by exactly one blank.
bool shows_splash(bool logo_setting, std::string_view command_line, std::string_view program_path);

}  // namespace vantrel::app
