#include "settings/options_rules.h"

#include <iterator>

#include "inifile/ini_values.h"

namespace vantrel::app {
namespace {

struct FieldRule {
  int upper;
  std::string change_reset;
  int lower;
  std::string exit_reset;
};

FieldRule rule_for(EditField field, ScreenSize screen) {
  switch (field) {
    case EditField::progress_height:
      return {100, "20", 10, "20"};
    case EditField::progress_x:
      return {screen.width / 2 - 50, "100", 0, "100"};
    case EditField::progress_y:
      return {screen.height - 60, std::to_string(screen.height - 60), 20, "20"};
    case EditField::osd_x:
      return {screen.width - 200, "100", 0, "100"};
    case EditField::osd_y:
      break;
  }
  return {screen.height - 50, std::to_string(screen.height - 100), 0, "650"};
}

}  // namespace

FieldText field_changed(EditField field, std::string_view text, ScreenSize screen) {
  if (text.empty()) return {std::string(text), false};
  const FieldRule rule = rule_for(field, screen);
  const auto number = settings::parse_integer(text);
  if (!number) return {rule.change_reset, true};
  if (*number > rule.upper) return {std::to_string(rule.upper), false};
  return {std::string(text), false};
}

int caret_after_check(const FieldText& checked, int caret) {
  const int place = checked.beep ? caret - 1 : caret;
  const int length = static_cast<int>(checked.text.size());
  return place < 0 ? 0 : (place > length ? length : place);
}

std::string field_left(EditField field, std::string_view text, ScreenSize screen) {
  const FieldRule rule = rule_for(field, screen);
  const auto number = settings::parse_integer(text);
  if (!number) return rule.exit_reset;
  return std::to_string(*number < rule.lower ? rule.lower : *number);
}

AlphaLook alpha_look(int position) {
  if (position >= 10) return {"Disabled", 255, false};
  return {std::to_string(position * 10) + "%", position * 255 / 10, true};
}

std::optional<double> comma_number(std::string_view text) {
  const std::size_t comma = text.find(',');
  const auto whole = settings::parse_integer(text.substr(0, comma));
  if (!whole || *whole < 0) return std::nullopt;
  double value = *whole;
  if (comma == std::string_view::npos) return value;
  double scale = 0.1;
  const std::string_view fraction = text.substr(comma + 1);
  if (fraction.empty()) return std::nullopt;
  for (const char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    value += (c - '0') * scale;
    scale /= 10;
  }
  return value;
}

int visible_time_ms(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kVisibleTimeItems))) return 2000;
  // Rounded to the nearest unit before truncation, so that 0.2 * 1000 is 200
  // and not 199 through the binary fraction.
  return static_cast<int>(*comma_number(kVisibleTimeItems[index]) * 1000 + 1e-6);
}

}  // namespace vantrel::app
