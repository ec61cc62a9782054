// Any command line against any program path: the rules answer without
// failing, and the window shows only for the program's own quoted path
// with at most one blank after it.
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
  const bool shows = vantrel::app::shows_main_window(line, path);
  const std::string quoted = "\"" + vantrel::base::to_lower_ascii(path) + "\"";
  const std::string lowered = vantrel::base::to_lower_ascii(line);
  FUZZ_CHECK(shows == (lowered == quoted || lowered == quoted + " "));
  vantrel::app::shows_splash(true, line, path);
  return 0;
}
