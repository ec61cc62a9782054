#include "about/about_layout.h"

#include <gtest/gtest.h>

#include "app/help_commands.h"

namespace vantrel::app {
namespace {

bool inside(const ui::Rect& inner, ui::Size outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.right <= outer.width && inner.bottom <= outer.height;
}

TEST(Splash, CentredOnTheScreen) {
  EXPECT_EQ(kSplashSize, (ui::Size{392, 99}));
  EXPECT_EQ(splash_origin({1024, 768}), (ui::Point{316, 334}));
  EXPECT_EQ(splash_origin({1920, 1080}), (ui::Point{764, 490}));
  // An odd remainder goes to the right and bottom.
  EXPECT_EQ(splash_origin({393, 100}), (ui::Point{0, 0}));
}

TEST(Splash, TheShadowCaptionSitsBelowAndRightOfTheFrontOne) {
  const SplashCaptions captions = splash_captions(kSplashSize);
  EXPECT_EQ(captions.label1, (ui::Rect{30, 36, 30 + 342, 36 + 37}));
  EXPECT_EQ(captions.label2, (ui::Rect{34, 38, 34 + 339, 38 + 37}));
  // The rule follows the client area it is given.
  EXPECT_EQ(splash_captions({500, 137}).label1, (ui::Rect{84, 55, 84 + 342, 55 + 37}));
  EXPECT_EQ(splash_captions({500, 137}).label2, (ui::Rect{88, 57, 88 + 339, 57 + 37}));
}

TEST(About, AtItsDesignedPlaceUnlessTheScreenIsTooSmall) {
  EXPECT_EQ(about_origin({1024, 768}), (ui::Point{439, 246}));
  EXPECT_EQ(about_origin({1920, 1080}), (ui::Point{439, 246}));
  EXPECT_EQ(about_origin({640, 400}), (ui::Point{340, 200}));
  EXPECT_EQ(about_origin({200, 150}), (ui::Point{0, 0}));
}

TEST(About, EverythingShowsInsideTheWindowAndClearOfTheTitleStrip) {
  for (const AboutTextPlace& place : kAboutTexts) {
    EXPECT_TRUE(inside(place.bounds, kAboutSize)) << static_cast<int>(place.text);
    EXPECT_GE(place.bounds.top, 26) << static_cast<int>(place.text);
  }
  EXPECT_TRUE(inside(kImage1Bounds, kAboutSize));
  EXPECT_TRUE(inside(kAboutOkBounds, kAboutSize));
  // The pictures' credit runs the window's width: clear of the picture, the
  // links' line and the OK button.
  const ui::Rect credit = kAboutTexts.back().bounds;
  ASSERT_EQ(kAboutTexts.back().text, AboutText::icons_credit);
  EXPECT_GE(credit.top, kImage1Bounds.bottom);
  EXPECT_GE(credit.top, kLinkLabel2At.y + 14);
  EXPECT_LE(credit.bottom, kAboutOkBounds.top);
  // The OK button stays above the bottom frame line.
  EXPECT_LE(kAboutOkBounds.bottom, kAboutSize.height - 2);
}

TEST(About, TheVersionHasRoomBesideTheTitleAndAboveTheMakerRow) {
  const auto bounds = [](AboutText text) {
    for (const AboutTextPlace& place : kAboutTexts) {
      if (place.text == text) return place.bounds;
    }
    return ui::Rect{};
  };
  const ui::Rect version = bounds(AboutText::LabelVersion);
  const ui::Rect title = bounds(AboutText::LabelApp);
  // A line of the window's font is 13 to 14 pixels: the version's line
  // lies within the title's and at least 4 pixels above both maker texts.
  EXPECT_GE(version.top, title.top);
  EXPECT_LE(version.bottom, title.bottom);
  for (const AboutText maker : {AboutText::credit_title, AboutText::credit_name})
    EXPECT_LE(version.bottom + 4, bounds(maker).top) << static_cast<int>(maker);
}

TEST(About, TheLinksOpenTheProductsAddresses) {
  const ui::LinkLabelText mail = mail_link();
  EXPECT_EQ(mail.caption(), std::string(kContactAddress));
  EXPECT_EQ(mail.address(), "mailto:" + std::string(kContactAddress));
  const ui::LinkLabelText web = web_link();
  // The web link shows its scheme but opens the same page.
  EXPECT_EQ(web.caption(), "http://" + std::string(kWebSite));
  EXPECT_EQ(web.hyper_link(), std::string(kWebSite));
  EXPECT_EQ(web.address(), web.caption());
  EXPECT_EQ(version_caption("4.7.1"), "Version 4.7.1");
}

TEST(About, OkButtonRunsDarkToLightButKeepsItsFocusedTop) {
  const ColourScheme scheme = colour_scheme("Green");
  ui::TGradientColors colours;
  const ui::TGradientColors designed;
  apply_about_ok_colours(colours, scheme);
  using ui::GradientColour;
  for (const GradientColour from :
       {GradientColour::BackgroundFrom, GradientColour::ClickedFrom, GradientColour::HighlightFrom})
    EXPECT_EQ(colours.get(from), scheme.dark) << static_cast<int>(from);
  for (const GradientColour to : {GradientColour::BackgroundTo, GradientColour::ClickedTo,
                                  GradientColour::HighlightTo, GradientColour::FocusedTo})
    EXPECT_EQ(colours.get(to), scheme.light) << static_cast<int>(to);
  for (const GradientColour kept : {GradientColour::FocusedFrom, GradientColour::BorderLine,
                                    GradientColour::BorderEdges, GradientColour::HotTrack})
    EXPECT_EQ(colours.get(kept), designed.get(kept)) << static_cast<int>(kept);
}

TEST(HelpCommands, WhatsNewOpensHistoryBesideTheProgramAndTheOnlineItemsThePages) {
  EXPECT_EQ(help_target(HelpCommand::whats_new, "C:\\Tools\\Vantrel"), "C:\\Tools\\Vantrel\\history.txt");
  EXPECT_EQ(help_target(HelpCommand::whats_new, "D:\\"), "D:\\history.txt");
  EXPECT_EQ(help_target(HelpCommand::check_for_updates, "C:\\x"), "http://" + std::string(kWebSite));
  // A bug is reported in the forum.
  EXPECT_EQ(help_target(HelpCommand::submit_a_bug, "C:\\x"), help_target(HelpCommand::forum, "C:\\x"));
  EXPECT_EQ(help_target(HelpCommand::forum, "C:\\x"), "http://" + std::string(kForumPage));
  EXPECT_NE(help_target(HelpCommand::forum, "C:\\x"), help_target(HelpCommand::check_for_updates, "C:\\x"));
}

}  // namespace
}  // namespace vantrel::app
