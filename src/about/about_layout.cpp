#include "about/about_layout.h"

#include <algorithm>
#include <string>

namespace vantrel::app {
namespace {

constexpr ui::Size kLabel1Size{342, 37};
constexpr ui::Size kLabel2Size{339, 37};
constexpr ui::Point kShadowOffset{4, 2};

}  // namespace

ui::Point splash_origin(ui::Size screen, int dpi) {
  return {(screen.width - base::scale_length(kSplashSize.width, dpi)) / 2,
          (screen.height - base::scale_length(kSplashSize.height, dpi)) / 2};
}

SplashCaptions splash_captions(ui::Size client) {
  const int left = (client.width - kLabel1Size.width) / 2 + 5;
  const int top = (client.height - kLabel1Size.height) / 2 + 5;
  const int shadow_left = left + kShadowOffset.x;
  const int shadow_top = top + kShadowOffset.y;
  return {{left, top, left + kLabel1Size.width, top + kLabel1Size.height},
          {shadow_left, shadow_top, shadow_left + kLabel2Size.width, shadow_top + kLabel2Size.height}};
}

ui::Point about_origin(ui::Size screen, int dpi) {
  return {std::max(0, std::min(kAboutOrigin.x, screen.width - base::scale_length(kAboutSize.width, dpi))),
          std::max(0, std::min(kAboutOrigin.y, screen.height - base::scale_length(kAboutSize.height, dpi)))};
}

ui::LinkLabelText mail_link() {
  ui::LinkLabelText link;
  link.set_link_type(ui::tLinkType::ltmailto);
  link.set_hyper_link(std::string(kContactAddress));
  return link;
}

ui::LinkLabelText web_link() {
  ui::LinkLabelText link;
  link.set_link_type(ui::tLinkType::lthttp);
  link.set_caption(std::string(ui::link_prefix(ui::tLinkType::lthttp)) + std::string(kWebSite));
  link.set_hyper_link(std::string(kWebSite));
  return link;
}

std::string version_caption(std::string_view version) {
  return "Version " + std::string(version);
}

void apply_about_ok_colours(ui::TGradientColors& colours, const ColourScheme& scheme) {
  using ui::GradientColour;
  for (const GradientColour from :
       {GradientColour::BackgroundFrom, GradientColour::ClickedFrom, GradientColour::HighlightFrom})
    colours.set(from, scheme.dark);
  for (const GradientColour to : {GradientColour::BackgroundTo, GradientColour::ClickedTo,
                                  GradientColour::HighlightTo, GradientColour::FocusedTo})
    colours.set(to, scheme.light);
}

}  // namespace vantrel::app
