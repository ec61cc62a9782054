// Any command line against any program path: the rules answer without
// failing, the window stays hidden exactly when an argument is "hide", and
// no argument holds a blank that was not inside quotes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "base/text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\n');
  const std::string path(bytes.substr(0, split));
  const std::string line(split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1));
  const auto arguments = vantrel::app::command_line_arguments(line);
  const bool hide = std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
    return vantrel::base::to_lower_ascii(argument) == "hide";
  });
  FUZZ_CHECK(vantrel::app::shows_main_window(line) == !hide);
  if (line.find('"') == std::string::npos)
    for (const auto& argument : arguments)
      FUZZ_CHECK(argument.find_first_of(" \t") == std::string::npos && !argument.empty());
  vantrel::app::shows_splash(true, line, path);
  return 0;
}
