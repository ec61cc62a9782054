#include <gtest/gtest.h>

#include <set>

#include "ui/button_paint.h"
#include "ui/gradient.h"

namespace vantrel::ui {
namespace {

std::set<std::uint32_t> colours_of_column(const PixelImage& image, int x) {
  std::set<std::uint32_t> colours;
  for (int y = 0; y < image.height; ++y) colours.insert(image.at(x, y));
  return colours;
}

TEST(Gradient, QualityGivesItsNumberOfBands) {
  std::mt19937 random(7);
  const struct {
    TGradientQuality quality;
    std::size_t bands;
  } cases[] = {
      {TGradientQuality::bqLow, 8}, {TGradientQuality::bqMiddle, 16}, {TGradientQuality::bqHigh, 64}};
  for (const auto& c : cases) {
    const int steps = gradient_steps(c.quality);
    // Counted without dithering, which may cover a 2-row band in a column.
    const PixelImage image =
        fill_gradient(40, 128, rgb(0, 0, 0), rgb(255, 255, 255), 1, steps, false, random);
    EXPECT_EQ(colours_of_column(image, 20).size(), c.bands);
    EXPECT_EQ(image.at(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(image.at(0, 127), rgb(255, 255, 255));
  }
}

TEST(Gradient, OnlyHighQualityDithersItsBandEdges) {
  std::mt19937 random(7);
  // Rows are plain bands without dithering: each row one colour.
  const PixelImage plain = fill_gradient(48, 64, rgb(0, 0, 0), rgb(0, 0, 255), 1, 16, false, random);
  for (int y = 0; y < plain.height; ++y) {
    for (int x = 0; x < plain.width; ++x) ASSERT_EQ(plain.at(x, y), plain.at(0, y));
  }
  const PixelImage dithered = fill_gradient(48, 256, rgb(0, 0, 0), rgb(0, 0, 255), 1, 64, true, random);
  int mixed_rows = 0;
  for (int y = 0; y < dithered.height; ++y) {
    std::set<std::uint32_t> row;
    for (int x = 0; x < 16; ++x) row.insert(dithered.at(x, y));
    if (row.size() > 1) ++mixed_rows;
    for (int x = 16; x < 48; ++x) ASSERT_EQ(dithered.at(x, y), dithered.at(x % 16, y)) << "strip repeats";
  }
  EXPECT_GT(mixed_rows, 16) << "previous band's colour scattered into band starts";
}

TEST(Gradient, TableRoundsHalfToEvenAndRunsBackwardsForDirections2And3) {
  const auto table = gradient_table(rgb(0, 0, 0), rgb(3, 5, 255), 1, 3);
  // Middle entry: 1.5 -> 2, 2.5 -> 2, 127.5 -> 128.
  EXPECT_EQ(table[1], rgb(2, 2, 128));
  EXPECT_EQ(table[2], rgb(3, 5, 255));
  EXPECT_EQ(gradient_table(rgb(0, 0, 0), rgb(10, 10, 10), 3, 2)[0], rgb(10, 10, 10));
  EXPECT_EQ(mul_div(1, 25, 8), 3);
  EXPECT_EQ(mul_div(3, 25, 8), 9);
}

TEST(Gradient, ColourSettersRebuildOnlyOnChange) {
  TGradientColors colours;
  int rebuilds = 0;
  colours.on_change = [&rebuilds] { ++rebuilds; };
  EXPECT_EQ(colours.get(GradientColour::BorderLine), rgb(0, 60, 115));
  colours.set(GradientColour::BorderLine, rgb(0, 60, 115));
  EXPECT_EQ(rebuilds, 0);
  colours.set(GradientColour::HotTrack, rgb(1, 2, 3));
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(colours.get(GradientColour::HotTrack), rgb(1, 2, 3));
}

TEST(GradientButton, LooksByState) {
  const struct {
    const char* name;
    ButtonState state;
    RingImage ring;
    bool clicked;
    Point background_at;
  } cases[] = {
      {"normal", {}, RingImage::none, false, {1, 1}},
      {"hot", {true, false, false, false, false}, RingImage::highlight, false, {3, 3}},
      {"focused", {false, true, false, false, false}, RingImage::focused, false, {3, 3}},
      {"default, nothing active", {false, false, false, true, false}, RingImage::focused, false, {3, 3}},
      {"default, hot", {true, false, false, true, false}, RingImage::highlight, false, {3, 3}},
      {"default, gradient control active", {false, false, false, true, true}, RingImage::none, false, {1, 1}},
      {"pressed over it", {true, true, true, false, false}, RingImage::none, true, {0, 0}},
      {"pressed, moved off", {false, true, true, false, false}, RingImage::focused, false, {3, 3}},
  };
  for (const auto& c : cases) {
    ButtonLook look;
    look.width = 100;
    look.height = 25;
    look.state = c.state;
    const PaintPlan plan = plan_paint(look, [](Rect r) {
      return Rect{r.left, r.top, r.left + 40, r.top + 13};
    });
    EXPECT_EQ(plan.ring, c.ring) << c.name;
    EXPECT_EQ(plan.clicked_face, c.clicked) << c.name;
    if (!c.clicked) {
      EXPECT_EQ(plan.background_at, c.background_at) << c.name;
    }
  }
}

TEST(GradientButton, ImageSizesFollowTheHighlight) {
  EXPECT_EQ(gradient_sizes(100, 25, {}).background, (ImageSize{98, 23}));
  EXPECT_EQ(gradient_sizes(100, 25, {true, false, false, false, false}).background, (ImageSize{94, 19}));
  EXPECT_EQ(gradient_sizes(100, 25, {}).clicked, (ImageSize{98, 23}));
}

TEST(GradientButton, CentresGlyphAndTextAsOneBlock) {
  const auto measure = [](Rect r) { return Rect{r.left, r.top, r.left + 40, r.top + 13}; };
  const struct {
    TGradientLayout layout;
    Rect text;
    Point glyph;
  } cases[] = {
      // Glyph 16, gap 3, text 40: the 59-pixel block starts at 20 of 100.
      {TGradientLayout::blGlyphLeft, {39, 21, 79, 34}, {20, 20}},
      {TGradientLayout::blGlyphRight, {20, 21, 60, 34}, {63, 20}},
      // Glyph 16, gap 3, text 13: the 32-pixel block starts at 12 of 56.
      {TGradientLayout::blGlyphTop, {30, 31, 70, 44}, {42, 12}},
      {TGradientLayout::blGlyphBottom, {30, 12, 70, 25}, {42, 28}},
  };
  for (const auto& c : cases) {
    ButtonLook look{100, 56, {}, true, {16, 16}, c.layout, 3};
    const PaintPlan plan = plan_paint(look, measure);
    EXPECT_EQ(plan.text, c.text) << static_cast<int>(c.layout);
    EXPECT_EQ(plan.glyph_at, c.glyph) << static_cast<int>(c.layout);
  }
  ButtonLook plain;
  plain.width = 100;
  plain.height = 25;
  EXPECT_EQ(plan_paint(plain, measure).text, (Rect{30, 6, 70, 19}));
  plain.state = {true, true, true, false, false};
  EXPECT_EQ(plan_paint(plain, measure).text, (Rect{31, 7, 71, 20})) << "pressed: moved by (1, 1)";
  plain.state = {false, true, false, false, false};
  EXPECT_TRUE(plan_paint(plain, measure).focus_rect);
  EXPECT_EQ(plan_paint(plain, measure).focus, (Rect{3, 3, 97, 22}));
}

TEST(GradientButton, DisabledGreyAndAccelerators) {
  EXPECT_EQ(disabled_grey(rgb(0, 0, 0)), rgb(96, 96, 96));
  EXPECT_EQ(disabled_grey(rgb(255, 255, 255)), rgb(223, 223, 223));
  EXPECT_EQ(disabled_grey(rgb(30, 60, 90)), rgb(126, 126, 126));
  EXPECT_EQ(accelerator_char("E&xit"), 'x');
  EXPECT_EQ(accelerator_char("Save && &Quit"), 'Q');
  EXPECT_EQ(accelerator_char("Plain"), 0);
  EXPECT_EQ(accelerator_char("End&"), 0);
}

}  // namespace
}  // namespace vantrel::ui
