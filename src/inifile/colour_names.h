#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/colour.h"

namespace vantrel::settings {

// How the settings file writes a colour: the name of a named colour (the
// twenty plain ones and the system colours, "clRed", "clBtnFace"), any
// other value as "$" and eight hexadecimal digits ("$00030201" for red 1,
// green 2, blue 3).
std::string colour_text(base::ColourValue colour);

// A name (letter case ignored) or any integer the file's value rules read.
std::optional<base::ColourValue> parse_colour(std::string_view text);

}  // namespace vantrel::settings
