// The document engine on any bytes: it keeps an unchanged file byte for
// byte, and a value written through the program's own writer reads back
// exactly while every other key keeps its answer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

#include "fuzz_check.h"
#include "inifile/ini_document.h"
#include "inifile/ini_values.h"

using vantrel::settings::IniDocument;
using namespace std::string_view_literals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first line of the input names what to write: section, key, value.
  const std::size_t split = bytes.find('\n');
  const std::string_view command = bytes.substr(0, split);
  const std::string_view file =
      split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);

  IniDocument document = IniDocument::parse(file);
  FUZZ_CHECK(document.text() == file);

  const std::size_t first = command.find('|');
  const std::size_t second = first == std::string_view::npos ? first : command.find('|', first + 1);
  if (second == std::string_view::npos) return 0;
  const std::string section(command.substr(0, first));
  const std::string key(command.substr(first + 1, second - first - 1));
  const std::string value(command.substr(second + 1));
  // Names the profile functions cannot hold are not the writer's business.
  if (section.find_first_of("[]\r\n\0"sv) != std::string::npos ||
      key.find_first_of("=[;\r\n\0"sv) != std::string::npos)
    return 0;

  const std::vector<std::string> other_keys = document.keys("Other");
  std::vector<std::string> before;
  for (const std::string& name : other_keys)
    before.push_back(vantrel::settings::read_string(document, "Other", name, "-"));

  vantrel::settings::write_string(document, section, key, value);
  const IniDocument reread = IniDocument::parse(document.text());
  const std::string trimmed_key(vantrel::base::trim_profile_blanks(key));
  const std::string trimmed_section(vantrel::base::trim_profile_blanks(section));
  if (!trimmed_key.empty() && !trimmed_section.empty() && value.size() < 2000 &&
      value.find_first_of("\r\n\0"sv) == std::string::npos &&
      !vantrel::base::equals_ignoring_case(trimmed_section, "Other")) {
    FUZZ_CHECK(vantrel::settings::read_string(reread, section, key, "<missing>") == value);
    for (std::size_t n = 0; n < other_keys.size(); ++n)
      FUZZ_CHECK(vantrel::settings::read_string(reread, "Other", other_keys[n], "-") == before[n]);
  }
  return 0;
}
