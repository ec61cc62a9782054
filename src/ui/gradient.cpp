#include "ui/gradient.h"

#include <algorithm>
#include <cmath>

namespace vantrel::ui {
namespace {

int channel(std::uint32_t colour, int shift) {
  return static_cast<int>((colour >> shift) & 0xFF);
}

}  // namespace

void TGradientColors::set(GradientColour which, ColourValue value) {
  ColourValue& slot = colours_[static_cast<std::size_t>(which)];
  if (slot == value) return;
  slot = value;
  if (on_change) on_change();
}

std::vector<std::uint32_t> gradient_table(std::uint32_t from, std::uint32_t to, int direction, int steps) {
  if (direction >= 2) std::swap(from, to);
  std::vector<std::uint32_t> table;
  for (int i = 0; i < steps; ++i) {
    std::uint32_t colour = 0;
    for (int shift : {0, 8, 16}) {
      const int start = channel(from, shift);
      const int end = channel(to, shift);
      const double value = steps > 1 ? start + i * static_cast<double>(end - start) / (steps - 1) : start;
      colour |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::nearbyint(value)), 0, 255))
                << shift;
    }
    table.push_back(colour);
  }
  return table;
}

int mul_div(int a, int b, int c) {
  return static_cast<int>(std::llround(static_cast<double>(a) * b / c));
}

PixelImage fill_gradient(int width, int height, std::uint32_t from, std::uint32_t to, int direction,
                         int steps, bool dither, std::mt19937& random) {
  PixelImage image{std::max(0, width), std::max(0, height), {}};
  image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, from);
  if (image.width == 0 || image.height == 0) return image;
  steps = std::clamp(steps, 1, 255);
  const std::vector<std::uint32_t> table = gradient_table(from, to, direction, steps);
  const bool vertical = direction == 1 || direction == 3;  // bands of rows
  const int length = vertical ? image.height : image.width;
  const int breadth = vertical ? image.width : image.height;
  const auto put = [&](int along, int across, std::uint32_t colour) {
    if (along < 0 || along >= length || across < 0 || across >= breadth) return;
    if (vertical) {
      image.at(across, along) = colour;
    } else {
      image.at(along, across) = colour;
    }
  };
  for (int i = 0; i < steps; ++i) {
    for (int along = mul_div(i, length, steps); along < mul_div(i + 1, length, steps); ++along) {
      for (int across = 0; across < breadth; ++across) put(along, across, table[static_cast<std::size_t>(i)]);
    }
  }
  constexpr int kStrip = 16;
  if (dither && steps > 1) {
    const int reach = length / (steps - 1);
    for (int i = 1; i < steps; ++i) {
      const int band_start = mul_div(i, length, steps);
      for (int across = 0; across < std::min(kStrip, breadth); ++across) {
        for (int k = 0; k <= reach; ++k) {
          const int offset = k == 0 ? 0 : std::uniform_int_distribution<int>(0, k - 1)(random);
          put(band_start + offset, across, table[static_cast<std::size_t>(i - 1)]);
        }
      }
    }
  }
  // Every further 16-pixel block repeats the first strip.
  for (int across = kStrip; across < breadth; ++across) {
    for (int along = 0; along < length; ++along) {
      const int source = across % kStrip;
      if (vertical) {
        image.at(across, along) = image.at(source, along);
      } else {
        image.at(along, across) = image.at(along, source);
      }
    }
  }
  return image;
}

int gradient_steps(TGradientQuality quality) {
  switch (quality) {
    case TGradientQuality::bqLow:
      return 8;
    case TGradientQuality::bqHigh:
      return 64;
    case TGradientQuality::bqMiddle:
    default:
      return 16;
  }
}

bool is_highlighted(const ButtonState& state, bool ignore_default) {
  const bool h = state.pressed ? !state.hot : (state.hot || state.focused);
  if (ignore_default) return h;
  return h || (state.is_default && !state.gradient_control_active);
}

GradientSizes gradient_sizes(int width, int height, const ButtonState& state) {
  const int h = is_highlighted(state, true) ? 1 : 0;
  return {{width - (4 * h + 2), height - (4 * h + 2)}, {width - 2, height - 2}};
}

std::uint32_t disabled_grey(std::uint32_t colour) {
  const int v = ((channel(colour, 0) + channel(colour, 8) + channel(colour, 16)) / 3) / 2 + 96;
  return rgb(static_cast<unsigned>(v), static_cast<unsigned>(v), static_cast<unsigned>(v));
}

char accelerator_char(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

}  // namespace vantrel::ui
