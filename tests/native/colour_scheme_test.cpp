#include "app/colour_scheme.h"

#include <gtest/gtest.h>

namespace vantrel::app {
namespace {

TEST(ColourScheme, NamesMatchExactlyElseTheFallback) {
  EXPECT_EQ(colour_scheme("Blue").list, base::rgb(230, 250, 255));
  EXPECT_EQ(colour_scheme("Red").dark, base::rgb(50, 0, 0));
  EXPECT_EQ(colour_scheme("blue").list, base::rgb(235, 245, 255)) << "case matters";
  EXPECT_EQ(colour_scheme("").dark, base::rgb(0, 0, 128));
  EXPECT_TRUE(base::is_system_colour(colour_scheme("_System (beta)").window));
}

TEST(ColourScheme, TitleBarAndActionButtonColours) {
  const ColourScheme blue = colour_scheme("Blue");
  ui::TGradientColors bar;
  int rebuilds = 0;
  bar.on_change = [&rebuilds] { ++rebuilds; };
  apply_title_bar_colours(bar, blue);
  EXPECT_EQ(bar.get(ui::GradientColour::FocusedFrom), blue.dark);
  EXPECT_EQ(bar.get(ui::GradientColour::HighlightTo), blue.light);
  EXPECT_EQ(rebuilds, 8);
  apply_title_bar_colours(bar, blue);
  EXPECT_EQ(rebuilds, 8) << "the same colours again rebuild nothing";

  ui::TGradientColors button;
  apply_action_button_colours(button, blue);
  EXPECT_EQ(button.get(ui::GradientColour::ClickedFrom), base::rgb(214, 207, 198)) << "as designed";
  EXPECT_EQ(button.get(ui::GradientColour::ClickedTo), blue.dark);
}

}  // namespace
}  // namespace vantrel::app
