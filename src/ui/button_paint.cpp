#include "ui/button_paint.h"

namespace vantrel::ui {

PaintPlan plan_paint(const ButtonLook& look, const std::function<Rect(Rect bounds)>& measure) {
  const int w = look.width;
  const int h = look.height;
  const ButtonState& s = look.state;
  PaintPlan plan;
  const bool highlighted = is_highlighted(s, false);
  if (highlighted) plan.ring = s.hot ? RingImage::highlight : RingImage::focused;
  const bool pressed_in = s.hot && s.pressed;
  if (pressed_in) {
    plan.clicked_face = true;
  } else {
    const int m = highlighted ? 1 : 0;
    plan.background_at = {2 * m + 1, 2 * m + 1};
    plan.background_max = {w - 6 * m, h - 6 * m};
  }

  plan.has_glyph = look.glyph.width > 0 && look.glyph.height > 0;
  Rect bounds{0, 0, w, h};
  const int gw = look.glyph.width;
  const int gh = look.glyph.height;
  const int sp = look.spacing;
  if (plan.has_glyph) {
    switch (look.layout) {
      case TGradientLayout::blGlyphLeft:
        bounds.left += gw + sp;
        break;
      case TGradientLayout::blGlyphRight:
        bounds.left -= gw + sp;
        bounds.right -= 2 * (gw + sp);
        plan.text_right_aligned = true;
        break;
      case TGradientLayout::blGlyphTop:
        bounds.top += gh + sp;
        break;
      case TGradientLayout::blGlyphBottom:
        bounds.top -= gh + sp;
        break;
    }
  }
  Rect text = measure(bounds);
  const int dx = (w - text.right) / 2 + (pressed_in ? 1 : 0);
  const int dy = (h - text.bottom) / 2 + (pressed_in ? 1 : 0);
  text = {text.left + dx, text.top + dy, text.right + dx, text.bottom + dy};
  plan.text = text;

  if (plan.has_glyph) {
    const int p = pressed_in ? 1 : 0;
    switch (look.layout) {
      case TGradientLayout::blGlyphLeft:
        plan.glyph_at = {text.left - (gw + sp), (h - gh) / 2 + p};
        break;
      case TGradientLayout::blGlyphRight:
        plan.glyph_at = {text.right + sp, (h - gh) / 2 + p};
        break;
      case TGradientLayout::blGlyphTop:
        plan.glyph_at = {(w - gw) / 2 + p, text.top - (gh + sp)};
        break;
      case TGradientLayout::blGlyphBottom:
        plan.glyph_at = {(w - gw) / 2 + p, text.bottom + sp};
        break;
    }
  }
  plan.focus_rect = s.focused && look.show_focus_rect;
  plan.focus = {3, 3, w - 3, h - 3};
  return plan;
}

}  // namespace vantrel::ui
