#include "base/utf.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel::base {
namespace {

TEST(Utf, RoundTripsEveryPlane) {
  for (const std::string& text :
       std::vector<std::string>{"", "plain", "caf\xC3\xA9 na\xC3\xAFve", "\xE6\x97\xA5\xE6\x9C\xAC",
                                "\xF0\x9F\x98\x80 emoji", std::string("nul\0inside", 10)}) {
    const std::string wide = utf8_to_utf16le(text);
    EXPECT_EQ(utf16le_to_utf8(wide), text);
  }
  // One unit per character, two for a character beyond the first plane.
  EXPECT_EQ(utf8_to_utf16le("\xC3\xA9"), std::string("\xE9\x00", 2));
  EXPECT_EQ(utf8_to_utf16le("\xF0\x9F\x98\x80"), std::string("\x3D\xD8\x00\xDE", 4));
}

TEST(Utf, DamagedInputKeepsItsNeighbours) {
  const struct {
    std::string utf16;
    std::string utf8;
  } cases[] = {
      {std::string("a\0\x00\xD8"
                   "b\0",
                   6),
       "a\xEF\xBF\xBD"
       "b"},                                             // lone high surrogate
      {std::string("a\0\x00\xDC", 4), "a\xEF\xBF\xBD"},  // lone low surrogate
      {std::string("a\0b", 3), "a"},                     // odd last byte
  };
  for (const auto& c : cases) EXPECT_EQ(utf16le_to_utf8(c.utf16), c.utf8);
  EXPECT_EQ(utf16le_to_utf8(utf8_to_utf16le("a\xFF"
                                            "b\xC3")),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vantrel::base
