// Any hotkeys file: loading never fails, and the rows a save writes load
// back as the same rows.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "hotkeys/hotkeys_file.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto rows = hotkeys::load_hotkeys(settings::IniDocument::parse(bytes), "HOST");
  FUZZ_CHECK(rows.size() <= static_cast<std::size_t>(hotkeys::kMaxLoadedHotkeys));

  // Saved over the same file (keeping whatever else it holds) and alone.
  for (const bool over_the_file : {true, false}) {
    settings::IniDocument document =
        over_the_file ? settings::IniDocument::parse(bytes) : settings::IniDocument();
    hotkeys::store_hotkeys(rows, document);
    const settings::IniDocument reread = settings::IniDocument::parse(document.text());
    FUZZ_CHECK(hotkeys::is_whole_hotkeys_file(reread));
    FUZZ_CHECK(hotkeys::load_hotkeys(reread, "HOST") == rows);
  }
  return 0;
}
