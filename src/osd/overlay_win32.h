#pragma once

#include <windows.h>

#include <functional>

#include "osd/on_screen_display.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::osd {

// The display's surface: one window of our own over the whole primary
// screen, topmost, never activated, without a taskbar button, and
// transparent to both sight and the mouse except where something is
// painted. Drawing on the screen's own device context and wiping it by
// invalidating every window is unreliable once the desktop is composited
// (Vista on), and repaints every program; this window gives the same
// picture in the same screen coordinates, accumulates paints the same way,
// and clears by hiding. Its colour key needs crisp text, so fonts are drawn
// without anti-aliasing (no fringes in the key colour).
class OverlayWindow : public OsdCanvas, public ClearTimer, public win32::Window {
 public:
  explicit OverlayWindow(HINSTANCE instance);
  ~OverlayWindow() override;
  OverlayWindow(const OverlayWindow&) = delete;
  OverlayWindow& operator=(const OverlayWindow&) = delete;

  // Called on the timer's tick.
  void on_timer(std::function<void()> tick) { tick_ = std::move(tick); }

  Size screen_size() override;
  bool begin() override;
  Size text_extent(const FontSpec& font, const std::string& text) override;
  void draw_text(const FontSpec& font, Point origin, const std::string& text) override;
  void rectangle(Rect rect, base::ColourValue fill, std::optional<Pen> outline) override;
  void rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue> fill, Pen outline) override;
  void end() override;
  void clear() override;

  void restart(int milliseconds) override;
  void stop() override;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  win32::UniqueGdi<HFONT> make_font(const FontSpec& font) const;
  void wipe();

  win32::UniqueMemoryDc surface_;
  win32::UniqueGdi<HBITMAP> bitmap_;
  HGDIOBJ original_bitmap_ = nullptr;
  Size size_{};
  std::function<void()> tick_;
};

}  // namespace vantrel::osd
