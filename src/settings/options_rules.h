#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::app {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The five numeric fields of the Options window that hold screen positions
// and the bar's height.
enum class EditField { progress_height, progress_x, progress_y, osd_x, osd_y };

struct FieldText {
  std::string text;
  bool beep = false;
};

// While typing: an empty text stays; a text that is no integer is replaced
// by the field's reset value with a beep; a number above the field's upper
// limit (which depends on the screen) is replaced by the limit.
FieldText field_changed(EditField field, std::string_view text, ScreenSize screen);

// Where the caret goes once the typing rule has put `checked` in place of
// what was typed, `caret` being where it stood after the keystroke: where
// the user was typing (before a rejected character), within the new text,
// so that the next digits do not land in front.
int caret_after_check(const FieldText& checked, int caret);

// On leaving the field: no integer gives the field's exit value (no beep);
// otherwise the plain decimal form, raised to the lower limit.
std::string field_left(EditField field, std::string_view text, ScreenSize screen);

// The main window's opacity for the "Alpha Blend/Opacity" slider at
// position 2..10: the label beside it, the opacity 0..255 and whether
// blending is on at all (10 switches it off).
struct AlphaLook {
  std::string label;
  int opacity = 255;
  bool blending = false;
};
AlphaLook alpha_look(int position);

// The lists whose items are decimal numbers written with a comma, read with
// the comma as separator on every system.
inline constexpr std::string_view kVolumeStepItems[] = {"0,1", "0,2", "0,5", "1", "2", "3", "5", "10", "20"};
inline constexpr std::string_view kShowOnItems[] = {"primary monitor", "monitor with the mouse",
                                                    "monitor of the active window"};
inline constexpr std::string_view kVisibleTimeItems[] = {"0,2", "0,5", "1", "2", "3", "4", "5", "8"};

// "0,2" -> 0.2; text that is no such number gives nullopt.
std::optional<double> comma_number(std::string_view text);

// The clear timer's interval for an item of the visible-time list, in
// milliseconds (truncated).
int visible_time_ms(int index);

}  // namespace vantrel::app
