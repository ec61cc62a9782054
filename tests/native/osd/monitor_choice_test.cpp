#include "osd/monitor_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel::osd {
namespace {

// A second monitor left of the primary one: everything on it has negative x.
const std::vector<MonitorArea> kSideBySide{
    {{-1280, 56, 0, 1080}, {-1280, 56, 0, 1040}, false},
    {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
};
// One above the other, the upper one wider; the primary comes first here.
const std::vector<MonitorArea> kStacked{
    {{0, 0, 1024, 768}, {0, 0, 1024, 728}, true},
    {{-200, -900, 1240, 0}, {-200, -900, 1240, -30}, false},
};
// Three in a row, the primary in the middle but listed last.
const std::vector<MonitorArea> kThree{
    {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}, false},
    {{-1024, 200, 0, 968}, {-1024, 200, 0, 928}, false},
    {{0, 0, 1920, 1080}, {0, 40, 1920, 1080}, true},
};

TEST(MonitorChoice, PicksTheMonitorForEachChoice) {
  const struct {
    const std::vector<MonitorArea>* layout;
    ShowOn choice;
    Point mouse;
    std::optional<Rect> active;
    std::size_t expected;
    const char* why;
  } cases[] = {
      {&kSideBySide, ShowOn::primary, {-600, 500}, Rect{-900, 100, -300, 700}, 1, "primary whatever else"},
      {&kSideBySide, ShowOn::mouse, {-600, 500}, std::nullopt, 0, "mouse at negative x"},
      {&kSideBySide, ShowOn::mouse, {-1, 1079}, std::nullopt, 0, "last pixel of the left one"},
      {&kSideBySide, ShowOn::mouse, {0, 0}, std::nullopt, 1, "first pixel of the primary"},
      {&kSideBySide, ShowOn::mouse, {-700, 20}, std::nullopt, 0, "above the lower left one: nearest"},
      {&kSideBySide, ShowOn::active_window, {500, 500}, Rect{-900, 100, -300, 700}, 0, "window on the left"},
      {&kSideBySide, ShowOn::active_window, {-500, 500}, Rect{-100, 100, 700, 700}, 1, "most on the primary"},
      {&kSideBySide, ShowOn::active_window, {-500, 500}, Rect{-700, 100, 100, 700}, 0, "most on the left"},
      {&kSideBySide, ShowOn::active_window, {-500, 500}, std::nullopt, 1, "no active window: primary"},
      {&kSideBySide,
       ShowOn::active_window,
       {-500, 500},
       Rect{-32000, -32000, -31840, -31973},
       0,
       "off every monitor (minimized): nearest"},
      {&kStacked, ShowOn::mouse, {1200, -5}, std::nullopt, 1, "upper one, past the lower one's right"},
      {&kStacked,
       ShowOn::mouse,
       {1200, 5},
       std::nullopt,
       1,
       "right of the lower one, under the upper: nearer"},
      {&kStacked, ShowOn::mouse, {500, -1}, std::nullopt, 1, "just above the shared edge"},
      {&kStacked, ShowOn::mouse, {500, 0}, std::nullopt, 0, "on the shared edge's lower side"},
      {&kStacked, ShowOn::active_window, {0, 0}, Rect{100, -300, 600, 100}, 1, "mostly above"},
      {&kStacked, ShowOn::active_window, {0, 0}, Rect{5, 5, 5, 400}, 0, "an empty rectangle counts as none"},
      {&kThree, ShowOn::primary, {3000, 10}, std::nullopt, 2, "primary listed last"},
      {&kThree, ShowOn::mouse, {3000, 10}, std::nullopt, 0, "right one"},
      {&kThree, ShowOn::mouse, {-10, 100}, std::nullopt, 2, "above the left one, beside the primary: nearer"},
      {&kThree, ShowOn::mouse, {-500, 150}, std::nullopt, 1, "above the left one, far from the primary"},
      {&kThree, ShowOn::mouse, {5000, 2000}, std::nullopt, 0, "far beyond the right one"},
      {&kThree, ShowOn::active_window, {0, 0}, Rect{1800, 500, 2100, 600}, 0, "more on the right one"},
      {&kThree, ShowOn::active_window, {0, 0}, Rect{-1100, 300, -900, 400}, 1, "partly off the left one"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(choose_monitor(*c.layout, c.choice, c.mouse, c.active), c.expected) << c.why;
  }
}

TEST(MonitorChoice, NoMarkedPrimaryMeansTheFirst) {
  const std::vector<MonitorArea> unmarked{{{800, 0, 1600, 600}, {800, 0, 1600, 560}, false},
                                          {{0, 0, 800, 600}, {0, 0, 800, 560}, false}};
  EXPECT_EQ(choose_monitor(unmarked, ShowOn::primary, {100, 100}, std::nullopt), 0u);
  EXPECT_EQ(choose_monitor(unmarked, ShowOn::active_window, {100, 100}, std::nullopt), 0u);
}

TEST(MonitorChoice, PrimaryKeepsTheWholeScreenOthersTheWorkArea) {
  EXPECT_EQ(display_area(kThree[2], ShowOn::primary), (Rect{0, 0, 1920, 1080}));
  EXPECT_EQ(display_area(kThree[2], ShowOn::mouse), (Rect{0, 40, 1920, 1080}));
  EXPECT_EQ(display_area(kSideBySide[0], ShowOn::active_window), (Rect{-1280, 56, 0, 1040}));
}

}  // namespace
}  // namespace vantrel::osd
