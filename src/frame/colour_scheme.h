#pragma once

#include <array>
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

// A menu button's face runs from the light colour to white, with a dark
// border, dark pressing and hovering and a light focus, all to white (the
// "To" colours are the design's white); its text takes the dark colour.
void apply_menu_button_colours(ui::TGradientColors& colours, const ColourScheme& scheme);

// "Color Quality": the stored index 0..2 is the buttons' quality; any other
// index leaves the list without a selection and the buttons draw as Middle.
ui::TGradientQuality quality_for_index(int index);

// A window that takes the colour scheme and its gradient buttons' quality.
class SchemedWindow {
 public:
  virtual ~SchemedWindow() = default;
  virtual void apply_colour_scheme(const ColourScheme& scheme) = 0;
  virtual void apply_quality(ui::TGradientQuality quality) = 0;
};

// The program's windows, in the order a new scheme reaches them.
enum class SchemedWindowRole { about, splash, main, options };

// Every window's look in one place: a new scheme or quality reaches each
// window that exists, in order, and a window attached later starts with the
// look in force.
class WindowLooks {
 public:
  void attach(SchemedWindowRole role, SchemedWindow* window);
  void detach(SchemedWindowRole role) { windows_[static_cast<std::size_t>(role)] = nullptr; }
  // The scheme of that exact name, the fallback colours for any other.
  void ApplyColorScheme(std::string_view name);
  void ComboBoxQualityChange(int index);
  const ColourScheme& scheme() const { return scheme_; }
  ui::TGradientQuality quality() const { return quality_; }

 private:
  std::array<SchemedWindow*, 4> windows_{};
  ColourScheme scheme_ = colour_scheme(kDefaultSchemeName);
  ui::TGradientQuality quality_ = ui::TGradientQuality::bqLow;
};

}  // namespace vantrel::app
