#include "hotkeys/key_table.h"

#include <array>
#include <string>

#include "base/text.h"

namespace vantrel::hotkeys {
namespace {

constexpr std::array<KeyEntry, kKeyCount> kKeys{{
    {"0", 48},        {"1", 49},        {"2", 50},        {"3", 51},      {"4", 52},           {"5", 53},
    {"6", 54},        {"7", 55},        {"8", 56},        {"9", 57},      {"Num 0", 96},       {"Num 1", 97},
    {"Num 2", 98},    {"Num 3", 99},    {"Num 4", 100},   {"Num 5", 101}, {"Num 6", 102},      {"Num 7", 103},
    {"Num 8", 104},   {"Num 9", 105},   {"NumLock", 144}, {"Num /", 111}, {"Num *", 106},      {"Num -", 109},
    {"Num +", 107},   {"Num .", 110},   {"A", 65},        {"B", 66},      {"C", 67},           {"D", 68},
    {"E", 69},        {"F", 70},        {"G", 71},        {"H", 72},      {"I", 73},           {"J", 74},
    {"K", 75},        {"L", 76},        {"M", 77},        {"N", 78},      {"O", 79},           {"P", 80},
    {"Q", 81},        {"R", 82},        {"S", 83},        {"T", 84},      {"U", 85},           {"V", 86},
    {"W", 87},        {"X", 88},        {"Y", 89},        {"Z", 90},      {"Insert", 45},      {"Home", 36},
    {"PageUp", 33},   {"PageDown", 34}, {"Up", 38},       {"Down", 40},   {"Left", 37},        {"Right", 39},
    {"Esc", 27},      {"Tab", 9},       {"CapsLock", 20}, {"Space", 32},  {"-", 189},          {"=", 187},
    {"BackSpace", 8}, {"[ {", 219},     {"] }", 221},     {"\\ |", 220},  {"; :", 186},        {"' \"", 222},
    {"Enter", 13},    {", <", 188},     {". >", 190},     {"/ ?", 191},   {"F1", 112},         {"F2", 113},
    {"F3", 114},      {"F4", 115},      {"F5", 116},      {"F6", 117},    {"F7", 118},         {"F8", 119},
    {"F9", 120},      {"F10", 121},     {"F11", 122},     {"F12", 123},   {"ScrollLock", 145}, {"Pause", 19},
}};

}  // namespace

std::span<const KeyEntry> key_table() {
  return kKeys;
}

std::optional<int> key_code_for_name(std::string_view name) {
  for (const KeyEntry& entry : kKeys) {
    if (base::equals_ignoring_case(entry.name, name)) return entry.code;
  }
  return std::nullopt;
}

std::optional<std::string_view> key_name_for_code(int code) {
  // The codes list holds decimal texts; comparing the decimal text of the
  // code is the same as comparing the numbers, since the table has no
  // leading zeros.
  for (const KeyEntry& entry : kKeys) {
    if (entry.code == code) return entry.name;
  }
  return std::nullopt;
}

}  // namespace vantrel::hotkeys
