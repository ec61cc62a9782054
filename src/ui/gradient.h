#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "base/colour.h"

namespace vantrel::ui {

using base::ColourValue;
using base::rgb;

enum class GradientColour {
  BackgroundFrom,
  BackgroundTo,
  BorderEdges,
  BorderLine,
  ClickedFrom,
  ClickedTo,
  FocusedFrom,
  FocusedTo,
  HighlightFrom,
  HighlightTo,
  HotTrack,
};
inline constexpr std::size_t kGradientColourCount = 11;

// A button's eleven colours. Setting a colour to the value it has does
// nothing; any other change tells the owner, which rebuilds its gradients.
class TGradientColors {
 public:
  ColourValue get(GradientColour which) const { return colours_[static_cast<std::size_t>(which)]; }
  void set(GradientColour which, ColourValue value);
  std::function<void()> on_change;

 private:
  std::array<ColourValue, kGradientColourCount> colours_{
      rgb(255, 255, 255), rgb(239, 235, 231), rgb(123, 150, 173), rgb(0, 60, 115),
      rgb(214, 207, 198), rgb(247, 243, 235), rgb(206, 231, 255), rgb(109, 132, 239),
      rgb(255, 243, 206), rgb(231, 150, 0),   rgb(255, 0, 0)};
};

// An RGB picture, row by row, each pixel red + 256 * green + 65536 * blue.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The gradient's colours: `steps` entries from `from` to `to` (directions
// 0 and 1) or back (2 and 3), each channel rounded to nearest, ties to even.
std::vector<std::uint32_t> gradient_table(std::uint32_t from, std::uint32_t to, int direction, int steps);

// Bands of the table's colours across the image (rows for directions 1
// and 3, columns for 0 and 2), optionally dithered at the band edges within
// one 16-pixel strip that is then copied across. Colours are resolved RGB.
PixelImage fill_gradient(int width, int height, std::uint32_t from, std::uint32_t to, int direction,
                         int steps, bool dither, std::mt19937& random);

// a * b / c rounded to nearest.
int mul_div(int a, int b, int c);

enum class TGradientQuality { bqLow, bqMiddle, bqHigh };
int gradient_steps(TGradientQuality quality);

// The interaction state that decides a button's look.
struct ButtonState {
  bool hot = false;
  bool focused = false;
  bool pressed = false;
  bool is_default = false;
  bool gradient_control_active = false;
};

bool is_highlighted(const ButtonState& state, bool ignore_default);

struct ImageSize {
  int width = 0;
  int height = 0;
  bool operator==(const ImageSize&) const = default;
};

// The sizes of the four cached images of a width x height button.
struct GradientSizes {
  ImageSize background;
  ImageSize clicked;  // also focused and highlight
};
GradientSizes gradient_sizes(int width, int height, const ButtonState& state);

// The grey a glyph pixel takes while its button is disabled: 96 ... 223.
std::uint32_t disabled_grey(std::uint32_t colour);

// The caption's accelerator character (the one after a single "&"), or 0.
char accelerator_char(const std::string& caption);

}  // namespace vantrel::ui
