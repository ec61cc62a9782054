// Any settings file: the model that loads is the model a save writes back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "settings/settings_model.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  settings::IniDocument document = settings::IniDocument::parse(bytes);
  const app::SettingsModel model = app::read_settings(document, 768);
  app::write_settings(model, document);
  const settings::IniDocument reread = settings::IniDocument::parse(document.text());
  FUZZ_CHECK(app::is_whole_settings_file(reread));
  FUZZ_CHECK(app::read_settings(reread, 768) == model);
  return 0;
}
