#include "hotkeys/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantrel::hotkeys {
namespace {

TEST(KeyTable, HoldsNinetyDistinctKeysInOrder) {
  const auto table = key_table();
  ASSERT_EQ(table.size(), 90u);
  std::set<std::string> names;
  std::set<int> codes;
  for (const KeyEntry& e : table) {
    names.insert(std::string(e.name));
    codes.insert(e.code);
  }
  EXPECT_EQ(names.size(), 90u);
  EXPECT_EQ(codes.size(), 90u);
  const struct {
    std::size_t index;
    const char* name;
    int code;
  } spots[] = {{0, "0", 48},      {14, "Num 4", 100}, {20, "NumLock", 144}, {25, "Num .", 110},
               {26, "A", 65},     {42, "Q", 81},      {51, "Z", 90},        {52, "Insert", 45},
               {63, "Space", 32}, {69, "\\ |", 220},  {71, "' \"", 222},    {72, "Enter", 13},
               {75, "/ ?", 191},  {76, "F1", 112},    {87, "F12", 123},     {89, "Pause", 19}};
  for (const auto& s : spots) {
    EXPECT_EQ(table[s.index].name, s.name) << s.index;
    EXPECT_EQ(table[s.index].code, s.code) << s.index;
  }
}

TEST(KeyTable, LooksUpWholeNamesIgnoringCase) {
  EXPECT_EQ(key_code_for_name("Num 5"), 101);
  EXPECT_EQ(key_code_for_name("/ ?"), 191);
  EXPECT_EQ(key_code_for_name("f1"), 112);
  EXPECT_EQ(key_code_for_name("PAGEDOWN"), 34);
  EXPECT_EQ(key_code_for_name("F"), 70);
  for (const char* miss : {"", "F13", "Num", "Num 5 ", "Delete", "F1x"}) {
    EXPECT_EQ(key_code_for_name(miss), std::nullopt) << miss;
  }
}

TEST(KeyTable, LooksUpCodes) {
  EXPECT_EQ(key_name_for_code(220), "\\ |");
  EXPECT_EQ(key_name_for_code(65), "A");
  for (int miss : {0, 46, 91, 124, 255, -1, 100000}) EXPECT_EQ(key_name_for_code(miss), std::nullopt) << miss;
  for (const KeyEntry& e : key_table()) {
    EXPECT_EQ(key_name_for_code(e.code), e.name);
    EXPECT_EQ(key_code_for_name(e.name), e.code);
  }
}

}  // namespace
}  // namespace vantrel::hotkeys
