#include "inifile/ini_values.h"

#include <gtest/gtest.h>

namespace vantrel::settings {
namespace {

TEST(ParseInteger, FollowsTheStoredIntegerRules) {
  const struct {
    const char* text;
    std::optional<int> expected;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"-7", -7},
      {"+7", 7},
      {"  12", 12},
      {"0x41", 65},
      {"0X1f", 31},
      {"$41", 65},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"$7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"-", std::nullopt},
      {"", std::nullopt},
      {"12 ", std::nullopt},
      {"1.5", std::nullopt},
      {"abc", std::nullopt},
      {"0xg", std::nullopt},
      {" 0x41", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_integer(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IniValues, TypedReadsFallBackToTheirDefaults) {
  const IniDocument doc =
      IniDocument::parse("[S]\r\nI=0x10\r\nBad=ten\r\nYes=2\r\nNo=0\r\nNotBool=x\r\nQ=\"3\"\r\n");
  EXPECT_EQ(read_integer(doc, "S", "I", 5), 16);
  EXPECT_EQ(read_integer(doc, "S", "Bad", 5), 5);
  EXPECT_EQ(read_integer(doc, "S", "Missing", 5), 5);
  EXPECT_EQ(read_integer(doc, "S", "Q", 5), 3);
  EXPECT_TRUE(read_bool(doc, "S", "Yes", false));
  EXPECT_FALSE(read_bool(doc, "S", "No", true));
  EXPECT_TRUE(read_bool(doc, "S", "NotBool", true));
  EXPECT_FALSE(read_bool(doc, "S", "NotBool", false));
  EXPECT_EQ(read_string(doc, "S", "Missing", "dflt"), "dflt");
}

TEST(IniValues, WritesOneAndZero) {
  IniDocument doc;
  write_bool(doc, "S", "A", true);
  write_bool(doc, "S", "B", false);
  write_integer(doc, "S", "C", -12);
  EXPECT_EQ(doc.text(), "[S]\r\nA=1\r\nB=0\r\nC=-12\r\n");
}

}  // namespace
}  // namespace vantrel::settings
