#pragma once

#include <string_view>

#include "base/colour.h"
#include "ui/gradient.h"

namespace vantrel::app {

struct ColourScheme {
  base::ColourValue dark;
  base::ColourValue light;
  base::ColourValue list;
  base::ColourValue window;
};

inline constexpr std::string_view kDefaultSchemeName = "Blue";

// The scheme of that exact name; the fallback colours for any other name.
ColourScheme colour_scheme(std::string_view name);

// A title strip runs from the dark to the light colour in every state.
void apply_title_bar_colours(ui::TGradientColors& colours, const ColourScheme& scheme);
// An action button's face runs from dark to light; pressing, focusing and
// hovering run from its designed (white) start to a scheme colour.
void apply_action_button_colours(ui::TGradientColors& colours, const ColourScheme& scheme);

}  // namespace vantrel::app
