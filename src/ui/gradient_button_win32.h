#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "ui/button_paint.h"
#include "ui/gradient.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::ui {

// The push button and title strip of every window: paints itself from four
// cached gradient images (rebuilt only when its size, colours or quality
// change), double-buffered, with hover, focus, default and pressed looks.
class TGradientButton : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"TGradientButton";

  TGradientButton(HWND parent, int id, const std::wstring& caption, RECT bounds);

  TGradientColors& colors() { return colors_; }

  void set_quality(TGradientQuality quality);
  void set_font(HFONT font);  // not owned
  void set_text_colour(ColourValue colour);
  void set_color(ColourValue colour);  // shows outside the rounded border
  void set_glyph(HBITMAP glyph);       // copied
  void set_layout(TGradientLayout layout);
  void set_spacing(int spacing);
  void set_hot_track(bool on);
  void set_show_focus_rect(bool on);
  void set_word_wrap(bool on);
  void set_show_accel_char(bool on);
  void set_auto_gray(bool on);
  void set_default(bool on);
  void set_cancel(bool on) { cancel_ = on; }
  void set_modal_result(int result) { modal_result_ = result; }
  int modal_result() const { return modal_result_; }
  // A strip that never takes the keyboard focus (title bars).
  void set_takes_focus(bool on) { takes_focus_ = on; }

  std::function<void()> on_click;
  std::function<void(POINT)> on_mouse_down;  // client coordinates
  std::function<void(POINT, bool left_down)> on_mouse_move;

  const ButtonState& state() const { return state_; }
  // How many gradient images were computed so far: painting adds none.
  int gradient_builds() const { return gradient_builds_; }

  void click();
  // Enter, Escape and accelerators for the buttons of a window: true when a
  // button took the key.
  static bool handle_dialog_key(HWND parent, const MSG& message);

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void rebuild_gradients();
  void paint(HDC target);
  void repaint();
  void mouse_down();
  void set_hot(bool hot);
  bool cursor_inside() const;
  static TGradientButton* from(HWND window);

  TGradientColors colors_;
  TGradientQuality quality_ = TGradientQuality::bqMiddle;
  std::array<win32::UniqueGdi<HBITMAP>, 4> images_;  // background, clicked, focused, highlight
  ButtonState state_;
  HFONT font_ = nullptr;
  ColourValue text_colour_ = base::kBlack;
  ColourValue color_ = 0xFF000000 | COLOR_BTNFACE;
  win32::UniqueGdi<HBITMAP> glyph_;
  TGradientLayout layout_ = TGradientLayout::blGlyphLeft;
  int spacing_ = 3;
  bool hot_track_ = false;
  bool show_focus_rect_ = true;
  bool word_wrap_ = true;
  bool show_accel_char_ = true;
  bool auto_gray_ = true;
  bool cancel_ = false;
  int modal_result_ = 0;
  bool takes_focus_ = true;
  bool tracking_leave_ = false;
  int gradient_builds_ = 0;
};

}  // namespace vantrel::ui
