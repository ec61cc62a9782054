#include "osd/on_screen_display.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel::osd {
namespace {

// Records every drawing call; text extents are 10 pixels a character, 20 high.
class RecordingCanvas : public OsdCanvas {
 public:
  Size screen_size() override { return screen; }
  int dpi() override { return dots_per_inch; }
  bool begin(ShowOn where) override {
    calls.push_back("begin");
    areas.push_back(where);
    return available;
  }
  Size text_extent(const FontSpec&, const std::string& text) override {
    return {10 * static_cast<int>(text.size()), 20};
  }
  void draw_text(const FontSpec& font, Point at, const std::string& text) override {
    texts.push_back({at, text});
    kept.push_back(text);
    calls.push_back("text " + font.face);
  }
  void rectangle(Rect rect, base::ColourValue, std::optional<Pen>) override {
    rects.push_back(rect);
    kept.push_back("rect");
    calls.push_back("rect");
  }
  void rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue>, Pen pen) override {
    rounded.push_back({rect, ellipse, pen.width});
    calls.push_back("round");
  }
  void end() override { calls.push_back("end"); }
  // What a real surface would still hold is what was drawn since the last
  // erase: `texts` keeps every call, `kept` only those.
  void erase() override {
    calls.push_back("erase");
    kept.clear();
  }
  void describe(const std::string& shown) override { described.push_back(shown); }
  void clear() override { calls.push_back("clear"); }

  struct Text {
    Point at;
    std::string text;
  };
  struct Rounded {
    Rect rect;
    int ellipse;
    int pen;
  };
  Size screen{1024, 768};
  int dots_per_inch = 96;
  bool available = true;
  std::vector<std::string> calls;
  std::vector<Text> texts;
  std::vector<std::string> kept;
  std::vector<Rect> rects;
  std::vector<Rounded> rounded;
  std::vector<std::string> described;
  std::vector<ShowOn> areas;
};

class RecordingTimer : public ClearTimer {
 public:
  void restart(int ms) override { restarts.push_back(ms); }
  void stop() override { ++stops; }
  std::vector<int> restarts;
  int stops = 0;
};

struct Fixture {
  RecordingCanvas canvas;
  RecordingTimer timer;
  DisplaySettings settings = default_display_settings(768);
  OnScreenDisplay display{canvas, timer, settings};
};

TEST(OsdLayout, TextPositionClamps) {
  const struct {
    int x, y;
    Point expected;
  } cases[] = {{900, 720, {824, 658}},
               {100, 708, {100, 708}},
               {824, 709, {824, 658}},
               {-50, -20, {-50, -20}},
               {100, 576, {100, 576}}};
  for (const auto& c : cases) EXPECT_EQ(text_origin(c.x, c.y, {1024, 768}), c.expected) << c.x << "," << c.y;
}

TEST(OsdLayout, BarGeometry) {
  const BarLayout bar = bar_layout({100, 652, 20, 5}, {1024, 768}, 100, 0, {60, 20});
  EXPECT_EQ(bar.background, (Rect{102, 654, 924, 672}));
  EXPECT_EQ(bar.upper, (Rect{102, 654, 924, 662}));
  EXPECT_EQ(bar.lower, (Rect{102, 662, 100, 672}));
  EXPECT_EQ(bar.frame, (Rect{100, 652, 924, 672}));
  EXPECT_EQ(bar.figure_box, (Rect{482, 642, 542, 662}));
  EXPECT_EQ(bar.figure_box_pen, 2);

  const BarLayout clamped = bar_layout({600, 740, 150, 4}, {1024, 768}, 50, 7.5, {60, 21});
  EXPECT_EQ(clamped.frame, (Rect{462, 708, 562, 808})) << "X 600 -> 462, Y -> H - 60, height 100";
  EXPECT_EQ(clamped.upper, (Rect{464, 710, 512, 758}));
  EXPECT_EQ(clamped.lower, (Rect{464, 758, 469, 808}));
  EXPECT_EQ(clamped.figure_box, (Rect{482, 698, 542, 718}));

  const BarLayout odd = bar_layout({1000, 10, 21, 3}, {1023, 600}, 100, 100, {61, 21});
  EXPECT_EQ(odd.frame.left, 461) << "Trunc(511.5 - 50) = 461 < 1000 -> Trunc(511.5) - 50";
  EXPECT_EQ(odd.background.left, 462) << "Trunc(461 + 1.5)";
  EXPECT_EQ(odd.lower.top, 21) << "bottom - height div 2 = 31 - 10";
}

TEST(OsdLayout, LengthsScaleAsMulDivRounds) {
  const struct {
    int length, dpi, expected;
  } cases[] = {{100, 96, 100}, {5, 144, 8},      {-5, 144, -8},   {15, 120, 19}, {9, 120, 11},
               {2, 168, 4},    {576, 192, 1152}, {-20, 120, -25}, {7, 72, 5},    {0, 240, 0}};
  for (const auto& c : cases) EXPECT_EQ(scaled(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
}

TEST(OsdLayout, AtHigherDpiPositionsMarginsAndTheBarScale) {
  const Size screen{1536, 1152};  // 1024 x 768 at 96 DPI, seen at 144
  EXPECT_EQ(text_origin(100, 576, screen, 144), (Point{150, 864}));
  EXPECT_EQ(text_origin(900, 720, screen, 144), (Point{1536 - 300, 1152 - 165}));
  EXPECT_EQ(text_origin(100, 708, screen, 144), (Point{150, 1062})) << "H - 60 at 96 stays unclamped";

  const BarLayout bar = bar_layout({100, 652, 20, 5}, screen, 100, 0, {90, 30}, 144);
  EXPECT_EQ(bar.frame, (Rect{150, 978, 1536 - 150, 978 + 30}));
  EXPECT_EQ(bar.border, 8);
  EXPECT_EQ(bar.frame_ellipse, 23);
  EXPECT_EQ(bar.figure_box_ellipse, 14);
  EXPECT_EQ(bar.figure_box_pen, 4);
  EXPECT_EQ(bar.upper, (Rect{154, 982, 1536 - 150, 978 + 15}));
  EXPECT_EQ(bar_layout({100, 652, 150, 5}, screen, 0, 0, {90, 30}, 144).frame.bottom, 978 + 150)
      << "the height limit of 100 scales too";
  EXPECT_EQ(figure_origin(bar, screen, {30, 30}), (Point{768 - 15, 978 - 18}));
}

TEST(OsdLayout, RectangleUnionsSkipEmptyOnes) {
  const Rect a{10, 20, 40, 30};
  const Rect empty{7, 7, 7, 90};
  EXPECT_EQ(united(Rect{}, a), a);
  EXPECT_EQ(united(a, empty), a);
  EXPECT_EQ(united(a, Rect{-5, 25, 12, 60}), (Rect{-5, 20, 40, 60}));
  EXPECT_TRUE(contains(a, Rect{10, 20, 40, 30}));
  EXPECT_TRUE(contains(Rect{}, empty)) << "nothing to hold";
  EXPECT_FALSE(contains(Rect{}, a));
  EXPECT_FALSE(contains(a, Rect{10, 20, 41, 30}));
  EXPECT_EQ(normalised(Rect{50, 9, 3, 2}), (Rect{3, 2, 50, 9}));
}

TEST(OsdLayout, FigureText) {
  const struct {
    double first, second;
    bool decimals;
    const char* expected;
  } cases[] = {{100, 0, false, "100"},      {100, 0, true, "100"},  {49.99, 50.01, true, "50.01"},
               {49.99, 50.01, false, "50"}, {7.5, 2, true, "7.5"},  {0, 0, true, "0"},
               {49.99, 0, false, "49"},     {-0.0, -0.0, true, "0"}};
  for (const auto& c : cases) EXPECT_EQ(figure_text(c.first, c.second, c.decimals), c.expected);
  EXPECT_EQ(figure_text(7.5, 0, true, ','), "7,5");
}

TEST(OnScreenDisplay, TextPaintsWhereTheSettingsSayAndRestartsTheTimer) {
  Fixture f;
  f.settings.text_x = "900";
  f.settings.text_y = "720";
  f.display.show_text("notepad.exe");
  ASSERT_EQ(f.canvas.texts.size(), 1u);
  EXPECT_EQ(f.canvas.texts[0].at, (Point{824, 658}));
  EXPECT_EQ(f.canvas.texts[0].text, "notepad.exe");
  EXPECT_EQ(f.timer.restarts, (std::vector<int>{2000}));

  f.display.show_text("");
  EXPECT_EQ(f.canvas.texts.size(), 1u) << "an empty text paints nothing";
  EXPECT_EQ(f.timer.restarts.size(), 2u) << "but restarts the timer";

  f.settings.show_on = ShowOn::active_window;
  f.display.show_text("a");
  f.settings.show_on = ShowOn::mouse;
  f.display.show_volume_progress(1, 1);
  EXPECT_EQ(f.canvas.areas,
            (std::vector<ShowOn>{ShowOn::primary, ShowOn::primary, ShowOn::active_window, ShowOn::mouse}))
      << "each paint asks for the monitor the settings name";
}

TEST(OnScreenDisplay, TextStopsQuietlyWhenOffOrUnreadable) {
  Fixture f;
  f.settings.osd_enabled = false;
  f.display.show_text("x");
  EXPECT_TRUE(f.canvas.calls.empty());
  f.settings.osd_enabled = true;
  f.settings.text_x = "";
  f.display.show_text("x");
  f.settings.text_x = "100";
  f.canvas.available = false;
  f.display.show_text("x");
  EXPECT_TRUE(f.canvas.texts.empty());
  EXPECT_TRUE(f.timer.restarts.empty());
}

TEST(OnScreenDisplay, BarDrawsInOrderWithTheFigure) {
  Fixture f;
  f.settings.osd_enabled = false;  // gates only the text
  EXPECT_EQ(f.display.show_volume_progress(49.99, 50.01), std::nullopt);
  EXPECT_EQ(f.canvas.calls, (std::vector<std::string>{"erase", "begin", "rect", "rect", "rect", "round",
                                                      "round", "text Dungeon", "end"}));
  ASSERT_EQ(f.canvas.texts.size(), 1u);
  EXPECT_EQ(f.canvas.texts[0].text, "50");
  EXPECT_EQ(f.canvas.texts[0].at, (Point{502, 652 - 12})) << "W div 2 - 20 div 2, Y - (20 + 4) div 2";
  EXPECT_EQ(f.canvas.rounded[0].ellipse, 15);
  EXPECT_EQ(f.canvas.rounded[0].pen, 5);
  EXPECT_EQ(f.canvas.rounded[1].rect, (Rect{482, 642, 542, 662})) << "sized by \"100.00\"";
  EXPECT_EQ(f.timer.restarts, (std::vector<int>{2000}));
}

TEST(OnScreenDisplay, PaintsForTheDpiOfTheMonitor) {
  Fixture f;
  f.canvas.screen = {2048, 1536};
  f.canvas.dots_per_inch = 192;
  f.display.show_text("a");
  EXPECT_EQ(f.canvas.texts[0].at, (Point{200, 1152}));
  f.display.show_volume_progress(50, 50);
  EXPECT_EQ(f.canvas.rounded[0].ellipse, 30);
  EXPECT_EQ(f.canvas.rounded[0].pen, 10);
  EXPECT_EQ(f.canvas.rounded[0].rect, (Rect{200, 1304, 2048 - 200, 1304 + 40}));
  EXPECT_EQ(f.canvas.rounded[1].ellipse, 18);
}

TEST(OnScreenDisplay, BarSettingThatIsNoNumberIsReported) {
  Fixture f;
  f.settings.bar_height = "2O";
  EXPECT_EQ(f.display.show_volume_progress(1, 1), "'2O' is not a valid integer value");
  EXPECT_TRUE(f.canvas.calls.empty());
  f.settings.bar_height = "20";
  f.canvas.available = false;
  EXPECT_EQ(f.display.show_volume_progress(1, 1), std::nullopt);
  EXPECT_TRUE(f.timer.restarts.empty());
}

TEST(OnScreenDisplay, ANewTextReplacesWhatWasShownAndOnlyTheBarsCaptionJoinsIt) {
  Fixture f;
  const std::vector<std::string> bar{"rect", "rect", "rect", "50"};
  // VolumeUp: the bar, then its caption beside it.
  f.display.show_volume_progress(50, 50);
  f.display.show_text("Volume");
  auto with_caption = bar;
  with_caption.push_back("Volume");
  EXPECT_EQ(f.canvas.kept, with_caption);
  // A launch within the visible time: its name alone, the bar gone.
  f.display.show_text("calc.exe");
  EXPECT_EQ(f.canvas.kept, (std::vector<std::string>{"calc.exe"}));
  // VolumeMute then VolumeUp: the level without the mute text.
  f.display.show_text("VolumeMute: ON");
  f.display.show_volume_progress(50, 50);
  EXPECT_EQ(f.canvas.kept, bar);
  f.display.show_text("Volume");
  EXPECT_EQ(f.canvas.kept, with_caption);
  // Two volume presses: one bar, one caption.
  f.display.show_volume_progress(50, 50);
  f.display.show_text("Volume");
  EXPECT_EQ(f.canvas.kept, with_caption);
  // A launch whose name part is empty leaves nothing of the one before.
  f.display.show_text("");
  EXPECT_TRUE(f.canvas.kept.empty());
}

TEST(OnScreenDisplay, WithTheTextOffALaunchStillTakesTheBarAway) {
  Fixture f;
  f.settings.osd_enabled = false;
  f.display.show_volume_progress(50, 50);
  f.display.show_text("Volume");
  EXPECT_NE(f.canvas.calls.back(), "clear") << "the caption keeps its bar";
  f.display.show_text("calc.exe");
  EXPECT_EQ(f.canvas.calls.back(), "clear");
  const std::size_t calls = f.canvas.calls.size();
  f.display.show_text("calc.exe");
  EXPECT_EQ(f.canvas.calls.size(), calls) << "nothing shown, nothing to take away";
}

TEST(OnScreenDisplay, TextIsKeptWithinTheScreen) {
  // Extents are 10 pixels a character and 20 high; the screen 1024 x 768.
  const struct {
    std::string x, y, text;
    Point expected;
  } cases[] = {
      {"-100", "-50", "calc.exe", {0, 0}},
      {"99999", "300", std::string(30, 'w'), {1024 - 300, 300}},
      {"824", "100", std::string(200, 'w'), {0, 100}},  // wider than the screen: from its left edge
      {"100", "576", "notepad.exe", {100, 576}},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.settings.text_x = c.x;
    f.settings.text_y = c.y;
    f.display.show_text(c.text);
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].at, c.expected) << c.x << "," << c.y << " " << c.text.size();
  }
  EXPECT_EQ(keep_on_screen({50, 740}, {100, 40}, {1024, 768}), (Point{50, 728}));
  EXPECT_EQ(keep_on_screen({3, 9}, {2000, 900}, {1024, 768}), (Point{0, 0}));
}

TEST(OnScreenDisplay, TellsWhatItShowsOnlyWhenThatChanges) {
  Fixture f;
  f.settings.decimals = true;
  f.display.show_volume_progress(63.7, 12);
  f.display.show_text("Volume");
  f.display.show_volume_progress(63.7, 12.5);  // the same figure
  f.display.show_text("Volume");
  f.display.show_text("VolumeMute: ON");
  f.display.clear();
  f.display.show_text("VolumeMute: ON");  // the same words as before the clear
  f.display.show_volume_progress(8, 0);
  f.display.show_text("Volume");
  EXPECT_EQ(f.canvas.described, (std::vector<std::string>{"63.7", "Volume 63.7", "63.7", "Volume 63.7",
                                                          "VolumeMute: ON", "8", "Volume 8"}));
  f.settings.osd_enabled = false;
  f.display.show_text("notepad.exe");
  EXPECT_EQ(f.canvas.described.back(), "Volume 8") << "nothing painted, nothing told";
}

TEST(OnScreenDisplay, ClearAndTickWipeAndStop) {
  Fixture f;
  f.display.show_text("a");
  f.display.timer_tick();
  f.display.clear();
  EXPECT_EQ(f.timer.stops, 2);
  EXPECT_EQ(f.canvas.calls.back(), "clear");
}

}  // namespace
}  // namespace vantrel::osd
