#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::app {

// The arguments after the program's own name, split as the C runtime and
// CommandLineToArgvW split them (blanks and tabs part them; double quotes
// group; backslashes escape a double quote only right before one). The
// program's name itself is skipped as the system reads it: up to the closing
// quote when it starts with one, else up to the first blank.
std::vector<std::string> command_line_arguments(std::string_view command_line);
// The program's name at the front of a command line, without its quotes.
std::string command_line_program(std::string_view command_line);

// The main window stays hidden only when an argument is the word "hide" (in
// any case), as the sign-in entry writes it; a start by a bare name, a
// shortcut or an installer shows it.
bool shows_main_window(std::string_view command_line);

// The splash shows when the setting allows it, except for the quoted path
// followed by exactly one blank.
bool shows_splash(bool logo_setting, std::string_view command_line, std::string_view program_path);

}  // namespace vantrel::app
