#pragma once

#include <windows.h>

#include <optional>

#include "base/colour.h"
#include "settings/settings_model.h"

namespace vantrel::app {

// FontDialog1: opens on the font given; the user's confirmed face, size and
// colour, or nothing when the dialog was cancelled.
std::optional<FontSetting> choose_font(HWND owner, const FontSetting& current);

// ColorDialog1: opens on the colour given; the confirmed colour, or nothing.
// The custom colours the user defines stay for the rest of the run.
std::optional<base::ColourValue> choose_colour(HWND owner, base::ColourValue current);

}  // namespace vantrel::app
