#include "app/command_line.h"

#include <algorithm>
#include <string>

#include "base/text.h"

namespace vantrel::app {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view::size_type after_program_name(std::string_view line) {
  std::string_view::size_type at = 0;
  if (!line.empty() && line.front() == '"') {
    at = line.find('"', 1);
    return at == std::string_view::npos ? line.size() : at + 1;
  }
  while (at < line.size() && !is_blank(line[at])) ++at;
  return at;
}

}  // namespace

std::string command_line_program(std::string_view line) {
  const auto end = after_program_name(line);
  std::string_view name = line.substr(0, end);
  if (name.starts_with('"')) name.remove_prefix(1);
  if (name.ends_with('"')) name.remove_suffix(1);
  return std::string(name);
}

std::vector<std::string> command_line_arguments(std::string_view line) {
  std::vector<std::string> arguments;
  auto at = after_program_name(line);
  for (;;) {
    while (at < line.size() && is_blank(line[at])) ++at;
    if (at >= line.size()) break;
    std::string argument;
    bool quoted = false;
    while (at < line.size() && (quoted || !is_blank(line[at]))) {
      if (line[at] == '\\') {
        std::string_view::size_type backslashes = 0;
        while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
        if (at < line.size() && line[at] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            argument += '"';
            ++at;
          }
        } else {
          argument.append(backslashes, '\\');
        }
        continue;
      }
      if (line[at] == '"') {
        // Inside quotes, a doubled quote stands for one.
        if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
          argument += '"';
          at += 2;
          continue;
        }
        quoted = !quoted;
        ++at;
        continue;
      }
      argument += line[at++];
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

bool shows_main_window(std::string_view command_line) {
  const auto arguments = command_line_arguments(command_line);
  return std::none_of(arguments.begin(), arguments.end(),
                      [](const std::string& argument) { return base::to_lower_ascii(argument) == "hide"; });
}

bool shows_splash(bool logo_setting, std::string_view command_line, std::string_view program_path) {
  if (!logo_setting) return false;
  std::string quoted(1, '"');
  quoted += base::to_lower_ascii(program_path);
  quoted += "\" ";
  return base::to_lower_ascii(command_line) != quoted;
}

}  // namespace vantrel::app
