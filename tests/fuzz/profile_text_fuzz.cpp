// Any file bytes: decoding then encoding in the file's own form gives text
// that decodes to the same characters, and a file that was UTF-16 stays so.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "inifile/profile_text.h"
#include "western_code_page.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const testing::WesternCodePage code_page;
  const settings::DecodedText text = settings::decode_profile_text(bytes, code_page);
  const std::string encoded = settings::encode_profile_text(text.utf8, text.encoding, code_page);
  const settings::DecodedText again = settings::decode_profile_text(encoded, code_page);
  FUZZ_CHECK(again.utf8 == text.utf8);
  if (text.encoding == settings::TextEncoding::utf16le)
    FUZZ_CHECK(again.encoding == settings::TextEncoding::utf16le);
  // Text the stand-in code page holds entirely keeps its bytes.
  if (text.encoding == settings::TextEncoding::ansi && again.encoding == settings::TextEncoding::ansi)
    FUZZ_CHECK(encoded == bytes);
  return 0;
}
