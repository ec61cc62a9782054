#include "base/dpi.h"

#include <gtest/gtest.h>

#include <vector>

#include "about/about_layout.h"
#include "app/window_layout.h"
#include "ui/geometry.h"

namespace vantrel {
namespace {

TEST(ScaleLength, RoundsHalfAwayFromZeroAsMulDivDoes) {
  const struct {
    int length;
    int dpi;
    int expected;
  } cases[] = {
      {542, 96, 542},
      {542, 144, 813},
      {422, 144, 633},
      {11, 144, 17},  // 16.5 up
      {-11, 144, -17},
      {3, 120, 4},
      {7, 120, 9},
      {13, 120, 16},  // 8.75, 16.25
      {1, 144, 2},
      {-1, 144, -2},
      {0, 192, 0},
      {26, 192, 52},  // 1.5 away from 0
      {2, 72, 2},
      {5, 72, 4},
      {-5, 72, -4},
      {9, 288, 27},             // 1.5, 3.75, 27
      {1000000, 480, 5000000},  // no overflow
  };
  for (const auto& c : cases) {
    EXPECT_EQ(base::scale_length(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
  }
}

TEST(ScaleLength, AnUnknownDpiKeepsTheDesign) {
  for (const int dpi : {0, -96}) {
    EXPECT_EQ(base::scale_length(37, dpi), 37) << dpi;
    EXPECT_EQ(base::scale_font_height(-13, dpi), -13) << dpi;
  }
}

TEST(ScaleFontHeight, KeepsTheSignThatChoosesCharacterOrCellHeight) {
  EXPECT_EQ(base::scale_font_height(-11, 144), -17);
  EXPECT_EQ(base::scale_font_height(16, 144), 24);
  EXPECT_EQ(base::scale_font_height(0, 144), 0);
  EXPECT_EQ(base::scale_font_height(-24, 120), -30);
}

TEST(ScaleRect, EachEdgeOnItsOwnSoNeighboursStillTouch) {
  // The menu buttons touch at 96 DPI; scaled edge by edge they touch at
  // any DPI, where scaling each left edge and width would open gaps or
  // overlaps of a pixel.
  for (const int dpi : {96, 120, 144, 168, 192, 240}) {
    for (std::size_t i = 1; i < app::kMenuButtonBounds.size(); ++i) {
      const ui::Rect left = base::scale_rect(app::kMenuButtonBounds[i - 1], dpi);
      const ui::Rect right = base::scale_rect(app::kMenuButtonBounds[i], dpi);
      EXPECT_EQ(left.right, right.left) << dpi << " " << i;
    }
    // The panel still covers the list's bottom line, as designed, and by
    // no more than that line grew.
    const ui::Rect list = base::scale_rect(app::kListBounds, dpi);
    const ui::Rect panel = base::scale_rect(app::kPropertiesPanelBounds, dpi);
    EXPECT_GT(list.bottom, panel.top) << dpi;
    EXPECT_LE(list.bottom - panel.top, base::scale_length(1, dpi) + 1) << dpi;
  }
  EXPECT_EQ(base::scale_rect(ui::Rect{3, 27, 103, 43}, 144), (ui::Rect{5, 41, 155, 65}));
  EXPECT_EQ(base::scale_rect(ui::Rect{-7, -3, 9, 5}, 144), (ui::Rect{-11, -5, 14, 8}));
}

TEST(MainWindowSize, OneAndAHalfTimesAt144Dpi) {
  EXPECT_EQ(app::main_window_size(true, 96), (ui::Size{542, 422}));
  EXPECT_EQ(app::main_window_size(false, 96), (ui::Size{542, 275}));
  EXPECT_EQ(app::main_window_size(true, 144), (ui::Size{813, 633}));
  EXPECT_EQ(app::main_window_size(false, 144), (ui::Size{813, 413}));  // 412.5 up
  EXPECT_EQ(app::main_window_size(true, 120), (ui::Size{678, 528}));   // 677.5, 527.5 up
}

TEST(MenuPoint, FollowsTheScaledButtons) {
  // 144 DPI: the Help button's left edge 303 -> 455, its bottom 43 -> 65.
  EXPECT_EQ(app::menu_point({100, 50}, app::MenuButton::help, 144), (ui::Point{555, 115}));
  EXPECT_EQ(app::menu_point({100, 50}, app::MenuButton::view, 120), (ui::Point{229, 104}));
  EXPECT_EQ(app::menu_point({100, 50}, app::MenuButton::view, 96), (ui::Point{203, 93}));
}

TEST(AboutAndSplashOrigins, CentreOrKeepTheirPlaceAtTheirScaledSize) {
  // The splash, 588 x 149 at 144 DPI, in the middle of the screen.
  EXPECT_EQ(app::splash_origin({1024, 768}, 144), (ui::Point{218, 309}));
  EXPECT_EQ(app::splash_origin({1024, 768}, 96), (ui::Point{316, 334}));
  // About, 450 x 300 at 144 DPI, keeps (439, 246) where it fits and moves
  // in where the larger window would run off the screen.
  EXPECT_EQ(app::about_origin({1024, 768}, 144), (ui::Point{439, 246}));
  EXPECT_EQ(app::about_origin({800, 500}, 144), (ui::Point{350, 200}));
  EXPECT_EQ(app::about_origin({800, 500}, 96), (ui::Point{439, 246}));
  EXPECT_EQ(app::about_origin({300, 200}, 120), (ui::Point{0, 0}));
}

}  // namespace
}  // namespace vantrel
