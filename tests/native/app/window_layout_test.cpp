#include "app/window_layout.h"
#include "frame/frame_layout.h"

#include <gtest/gtest.h>

#include "options/options_controls.h"

#include <utility>
#include <vector>

namespace vantrel::app {
namespace {

bool overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Captions that run on past their field are drawn in two parts around it:
// the split keeps both parts' words exactly, and every such caption has a
// field inside its span with room before and after it.
TEST(OptionsCaptions, EachSplitCaptionGoesAroundItsField) {
  EXPECT_EQ(split_caption("Position X                   pixels"),
            (std::pair<std::string_view, std::string_view>{"Position X", "pixels"}));
  EXPECT_EQ(split_caption("Incrase/Decrase volume by                       unit(s)"),
            (std::pair<std::string_view, std::string_view>{"Incrase/Decrase volume by", "unit(s)"}));
  EXPECT_EQ(split_caption("Alpha Blend/Opacity"), std::nullopt);
  EXPECT_EQ(split_caption("Select the Mixer and the volume that the application is controling"),
            std::nullopt);
  EXPECT_EQ(split_caption("trailing   "), std::nullopt);

  int split = 0;
  const ControlPlace* field = nullptr;
  for (const ControlPlace& place : options_controls()) {
    if (place.kind == ControlKind::list || place.kind == ControlKind::edit) field = &place;
    if (place.kind != ControlKind::label || !split_caption(place.caption)) continue;
    ++split;
    ASSERT_NE(field, nullptr) << place.caption;
    EXPECT_EQ(field->page, place.page) << place.caption;
    EXPECT_GT(field->x, place.x + 40) << place.caption << ": room for the words before";
    EXPECT_GE(place.x + place.width - (field->x + field->width), 30)
        << place.caption << ": room for the words after";
  }
  EXPECT_EQ(split, 8) << "the bar's four, its step and the OSD page's three";
}

TEST(MainWindowHeight, ThePanelShowsOrTheShorterWindowCutsItOff) {
  EXPECT_EQ(main_window_height(true), 422);
  EXPECT_EQ(main_window_height(false), 275);
  // Cut off, the whole list still shows above the bottom frame line; shown,
  // so does the whole panel.
  EXPECT_EQ(frame_lines(kMainWindowWidth, main_window_height(false)).bottom.top, kListBounds.bottom);
  EXPECT_EQ(frame_lines(kMainWindowWidth, main_window_height(true)).bottom.top,
            kPropertiesPanelBounds.bottom);
}

TEST(FrameLines, FollowTheEdgesAtEitherHeight) {
  for (const int height : {main_window_height(true), main_window_height(false)}) {
    const FrameLines lines = frame_lines(542, height);
    EXPECT_EQ(lines.bottom, (ui::Rect{0, height - 2, 542, height})) << height;
    EXPECT_EQ(lines.left, (ui::Rect{0, 26, 2, height})) << height;
    EXPECT_EQ(lines.right, (ui::Rect{540, 26, 542, height})) << height;
    // Frame lines never hide the list or a menu button.
    for (const ui::Rect& line : {lines.left, lines.right, lines.bottom}) {
      EXPECT_FALSE(overlap(line, kListBounds)) << height;
      for (const ui::Rect& button : kMenuButtonBounds) EXPECT_FALSE(overlap(line, button)) << height;
    }
  }
}

TEST(MenuPoint, EachMenuOpensUnderItsButtonsLeftEdge) {
  const struct {
    MenuButton button;
    ui::Point window_origin;
    ui::Point expected;
  } cases[] = {
      {MenuButton::hotkeys, {241, 201}, {244, 244}},
      {MenuButton::view, {241, 201}, {344, 244}},
      {MenuButton::window, {241, 201}, {444, 244}},
      {MenuButton::help, {241, 201}, {544, 244}},
      {MenuButton::hotkeys, {0, 0}, {3, 43}},
      // A window partly off the screen's top-left.
      {MenuButton::help, {-300, -40}, {3, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(menu_point(c.window_origin, c.button), c.expected) << static_cast<int>(c.button);
  }
}

TEST(MenuButtons, StandSideBySideBetweenTitleStripAndList) {
  for (std::size_t i = 0; i < kMenuButtonBounds.size(); ++i) {
    const ui::Rect& button = kMenuButtonBounds[i];
    EXPECT_GE(button.top, kTitleStripHeight) << i;
    EXPECT_LE(button.bottom, kListBounds.top) << i;
    if (i > 0) {
      EXPECT_EQ(button.left, kMenuButtonBounds[i - 1].right) << i;
    }
  }
}

TEST(WindowDrag, WhichPressesMoveTheWindow) {
  const struct {
    DragSource source;
    bool easy_move;
    bool left_button_down;
    bool moves;
  } cases[] = {
      {DragSource::title_strip, true, true, true},
      {DragSource::title_strip, false, true, true},
      {DragSource::body, true, true, true},
      {DragSource::body, false, true, false},
      // Moves with the button up only pass over the window.
      {DragSource::title_strip, true, false, false},
      {DragSource::title_strip, false, false, false},
      {DragSource::body, true, false, false},
      {DragSource::body, false, false, false},
  };
  for (const auto& c : cases) {
    WindowDrag drag;
    drag.press({10, 10});
    const auto moved = drag.move(c.source, c.easy_move, c.left_button_down, {300, 200}, {17, 6});
    ASSERT_EQ(moved.has_value(), c.moves) << static_cast<int>(c.source) << c.easy_move << c.left_button_down;
    if (moved) {
      EXPECT_EQ(*moved, (ui::Point{307, 196}));
    }
  }
}

// The mouse travels on the screen; the window follows each move event, and
// the control pressed moves with it. The window ends shifted by the whole
// travel, and the pointer stays over the spot first pressed.
TEST(WindowDrag, TheWindowFollowsTheMousesTravel) {
  for (const DragSource source : {DragSource::title_strip, DragSource::body}) {
    ui::Point window{400, 300};
    const ui::Point control_offset{2, 45};  // where the pressed control sits in the window
    const ui::Point press_on_screen{500, 400};
    const auto in_control = [&](ui::Point screen) {
      return ui::Point{screen.x - window.x - control_offset.x, screen.y - window.y - control_offset.y};
    };
    WindowDrag drag;
    const ui::Point pressed = in_control(press_on_screen);
    drag.press(pressed);
    const std::vector<ui::Point> path{{503, 400}, {510, 391}, {510, 391}, {480, 420}, {200, 90}};
    for (const ui::Point screen : path) {
      if (const auto moved = drag.move(source, true, true, window, in_control(screen))) window = *moved;
      EXPECT_EQ(in_control(screen), pressed) << screen.x << ',' << screen.y;
    }
    EXPECT_EQ(window, (ui::Point{100, -10})) << static_cast<int>(source);
  }
}

TEST(WindowDrag, ANewPressStartsFromItsOwnSpot) {
  WindowDrag drag;
  drag.press({50, 5});
  drag.press({200, 12});
  EXPECT_EQ(drag.move(DragSource::title_strip, false, true, {0, 0}, {200, 12}), (ui::Point{0, 0}));
  EXPECT_EQ(drag.move(DragSource::title_strip, false, true, {0, 0}, {190, 20}), (ui::Point{-10, 8}));
}

}  // namespace
}  // namespace vantrel::app
