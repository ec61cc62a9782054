#include "app/command_line.h"

#include <string>

#include "base/text.h"

namespace vantrel::app {
namespace {

enum class Form { quoted_path, quoted_path_and_blank, other };

Form classify(std::string_view command_line, std::string_view program_path) {
  const std::string line = base::to_lower_ascii(command_line);
  std::string quoted(1, '"');
  quoted += base::to_lower_ascii(program_path);
  quoted += '"';
  if (line == quoted) return Form::quoted_path;
  if (line.size() == quoted.size() + 1 && line.starts_with(quoted) && line.back() == ' ')
    return Form::quoted_path_and_blank;
  return Form::other;
}

}  // namespace

bool shows_main_window(std::string_view command_line, std::string_view program_path) {
  return classify(command_line, program_path) != Form::other;
}

bool shows_splash(bool logo_setting, std::string_view command_line, std::string_view program_path) {
  return logo_setting && classify(command_line, program_path) != Form::quoted_path_and_blank;
}

}  // namespace vantrel::app
