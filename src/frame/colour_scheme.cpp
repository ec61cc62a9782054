#include "frame/colour_scheme.h"

#include <array>
#include <utility>

namespace vantrel::app {
namespace {

using base::rgb;

constexpr base::ColourValue system_colour(int index) {
  return base::kSystemColourFlag | static_cast<base::ColourValue>(index);
}
// The system's colour indices for button shadows, highlights, window
// backgrounds and button faces.
constexpr int kButtonShadow = 16;
constexpr int kButtonHighlight = 20;
constexpr int kWindowBackground = 5;
constexpr int kButtonFace = 15;

constexpr std::array<std::pair<std::string_view, ColourScheme>, 8> kSchemes{{
    {"_System (beta)",
     {system_colour(kButtonShadow), system_colour(kButtonHighlight), system_colour(kWindowBackground),
      system_colour(kButtonFace)}},
    {"Black", {rgb(0, 0, 0), rgb(192, 192, 192), rgb(160, 160, 164), rgb(128, 128, 128)}},
    {"Blue", {rgb(0, 0, 128), rgb(166, 202, 240), rgb(230, 250, 255), rgb(220, 240, 255)}},
    {"Green", {rgb(0, 128, 0), rgb(192, 220, 192), rgb(235, 255, 240), rgb(210, 245, 220)}},
    {"Purple", {rgb(128, 0, 128), rgb(255, 0, 255), rgb(255, 235, 235), rgb(245, 220, 220)}},
    {"Red", {rgb(50, 0, 0), rgb(220, 70, 70), rgb(255, 235, 240), rgb(245, 210, 220)}},
    {"Silver", {rgb(100, 100, 100), rgb(192, 192, 192), rgb(235, 235, 235), rgb(245, 245, 245)}},
    {"Yellow", {rgb(50, 20, 0), rgb(220, 200, 70), rgb(255, 240, 245), rgb(245, 220, 225)}},
}};
constexpr ColourScheme kFallback{rgb(0, 0, 128), rgb(166, 202, 240), rgb(235, 245, 255), rgb(220, 240, 255)};

}  // namespace

ColourScheme colour_scheme(std::string_view name) {
  for (const auto& [scheme_name, scheme] : kSchemes) {
    if (scheme_name == name) return scheme;
  }
  return kFallback;
}

void apply_title_bar_colours(ui::TGradientColors& colours, const ColourScheme& scheme) {
  using ui::GradientColour;
  for (auto [from, to] : {std::pair{GradientColour::BackgroundFrom, GradientColour::BackgroundTo},
                          std::pair{GradientColour::ClickedFrom, GradientColour::ClickedTo},
                          std::pair{GradientColour::HighlightFrom, GradientColour::HighlightTo},
                          std::pair{GradientColour::FocusedFrom, GradientColour::FocusedTo}}) {
    colours.set(from, scheme.dark);
    colours.set(to, scheme.light);
  }
}

void apply_action_button_colours(ui::TGradientColors& colours, const ColourScheme& scheme) {
  using ui::GradientColour;
  colours.set(GradientColour::BackgroundFrom, scheme.dark);
  colours.set(GradientColour::BackgroundTo, scheme.light);
  colours.set(GradientColour::ClickedTo, scheme.dark);
  colours.set(GradientColour::FocusedTo, scheme.light);
  colours.set(GradientColour::HighlightTo, scheme.dark);
}

void apply_menu_button_colours(ui::TGradientColors& colours, const ColourScheme& scheme) {
  using ui::GradientColour;
  for (const GradientColour to : {GradientColour::BackgroundTo, GradientColour::ClickedTo,
                                  GradientColour::FocusedTo, GradientColour::HighlightTo})
    colours.set(to, base::rgb(255, 255, 255));
  colours.set(GradientColour::BackgroundFrom, scheme.light);
  colours.set(GradientColour::BorderLine, scheme.dark);
  colours.set(GradientColour::ClickedFrom, scheme.dark);
  colours.set(GradientColour::FocusedFrom, scheme.light);
  colours.set(GradientColour::HighlightFrom, scheme.dark);
}

ui::TGradientQuality quality_for_index(int index) {
  switch (index) {
    case 0:
      return ui::TGradientQuality::bqLow;
    case 2:
      return ui::TGradientQuality::bqHigh;
    default:
      return ui::TGradientQuality::bqMiddle;
  }
}

void WindowLooks::attach(SchemedWindowRole role, SchemedWindow* window) {
  windows_[static_cast<std::size_t>(role)] = window;
  if (!window) return;
  window->apply_colour_scheme(scheme_);
  window->apply_quality(quality_);
}

void WindowLooks::ApplyColorScheme(std::string_view name) {
  scheme_ = colour_scheme(name);
  for (SchemedWindow* window : windows_) {
    if (window) window->apply_colour_scheme(scheme_);
  }
}

void WindowLooks::ComboBoxQualityChange(int index) {
  quality_ = quality_for_index(index);
  for (SchemedWindow* window : windows_) {
    if (window) window->apply_quality(quality_);
  }
}

}  // namespace vantrel::app
