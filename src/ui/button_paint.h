#pragma once

#include <functional>

#include "ui/geometry.h"
#include "ui/gradient.h"

namespace vantrel::ui {

enum class TGradientLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum class RingImage { none, highlight, focused };

// Where each part of a button goes for one paint, from its state alone.
struct PaintPlan {
  RingImage ring = RingImage::none;  // at (1, 1)
  bool clicked_face = false;         // the clicked image at (1, 1) instead of the background
  Point background_at;
  ImageSize background_max;  // at most this much of the background image
  Rect text;
  bool text_right_aligned = false;
  bool has_glyph = false;
  Point glyph_at;
  bool focus_rect = false;
  Rect focus;
};

struct ButtonLook {
  int width = 0;
  int height = 0;
  ButtonState state;
  bool show_focus_rect = true;
  ImageSize glyph;  // 0 x 0: none
  TGradientLayout layout = TGradientLayout::blGlyphLeft;
  int spacing = 3;
};

// measure(bounds) gives the caption's rectangle when drawn into bounds: the
// same left and top, right and bottom from the text's extent.
PaintPlan plan_paint(const ButtonLook& look, const std::function<Rect(Rect bounds)>& measure);

}  // namespace vantrel::ui
