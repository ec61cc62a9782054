#include "inifile/colour_names.h"

#include <array>
#include <cstdio>

#include "base/text.h"
#include "inifile/ini_values.h"

namespace vantrel::settings {
namespace {

using base::ColourValue;

struct NamedColour {
  std::string_view name;
  ColourValue value;
};

constexpr ColourValue system(unsigned index) {
  return base::kSystemColourFlag | index;
}

// The names older settings files were written with; values are 0x00BBGGRR.
constexpr std::array<NamedColour, 52> kNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", system(0)},
    {"clBackground", system(1)},
    {"clActiveCaption", system(2)},
    {"clInactiveCaption", system(3)},
    {"clMenu", system(4)},
    {"clWindow", system(5)},
    {"clWindowFrame", system(6)},
    {"clMenuText", system(7)},
    {"clWindowText", system(8)},
    {"clCaptionText", system(9)},
    {"clActiveBorder", system(10)},
    {"clInactiveBorder", system(11)},
    {"clAppWorkSpace", system(12)},
    {"clHighlight", system(13)},
    {"clHighlightText", system(14)},
    {"clBtnFace", system(15)},
    {"clBtnShadow", system(16)},
    {"clGrayText", system(17)},
    {"clBtnText", system(18)},
    {"clInactiveCaptionText", system(19)},
    {"clBtnHighlight", system(20)},
    {"cl3DDkShadow", system(21)},
    {"cl3DLight", system(22)},
    {"clInfoText", system(23)},
    {"clInfoBk", system(24)},
    {"clHotLight", system(26)},
    {"clGradientActiveCaption", system(27)},
    {"clGradientInactiveCaption", system(28)},
    {"clMenuHighlight", system(29)},
    {"clMenuBar", system(30)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

}  // namespace

std::string colour_text(ColourValue colour) {
  for (const NamedColour& named : kNames) {
    if (named.value == colour) return std::string(named.name);
  }
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour));
  return text;
}

std::optional<ColourValue> parse_colour(std::string_view text) {
  for (const NamedColour& named : kNames) {
    if (base::equals_ignoring_case(named.name, text)) return named.value;
  }
  if (const auto number = parse_integer(text)) return static_cast<ColourValue>(*number);
  return std::nullopt;
}

}  // namespace vantrel::settings
