#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "osd/on_screen_display.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::osd {

// The primary screen in the display's 96-DPI pixels, which its stored
// positions are: what their defaults and limits are worked out from.
Size primary_screen_at_design_dpi();

// How much of the screen the window and its surface cover.
enum class OverlaySizing {
  // Only the bounds of what has been drawn since the last clear: a paint
  // sends a few small rectangles to the screen instead of a whole screen.
  drawn_bounds,
  // The whole screen, as the display first worked: kept as the benchmark's
  // reference.
  whole_screen,
};

// The display's surface: one window of our own, on the monitor the settings
// choose (positions count from the whole primary screen, or from the chosen
// monitor's work area), topmost, never activated,
// without a taskbar button, and transparent to both sight and the mouse
// except where something is painted. Drawing on the screen's own device
// context and wiping it by invalidating every window is unreliable once the
// desktop is composited (Vista on), and repaints every program; this window
// gives the same picture in the same screen coordinates, accumulates paints
// the same way, and clears by hiding. The window and its surface grow to the
// union of what has been drawn since the last clear, so a paint only moves
// the pixels it touched. Fonts and lengths follow the DPI of the monitor the
// window is on. Its colour key needs crisp text, so fonts are drawn without
// anti-aliasing (no fringes in the key colour).
class OverlayWindow : public OsdCanvas, public ClearTimer, public win32::Window {
 public:
  explicit OverlayWindow(HINSTANCE instance, OverlaySizing sizing = OverlaySizing::drawn_bounds);
  ~OverlayWindow() override;
  OverlayWindow(const OverlayWindow&) = delete;
  OverlayWindow& operator=(const OverlayWindow&) = delete;

  // Called on the timer's tick.
  void on_timer(std::function<void()> tick) { tick_ = std::move(tick); }

  Size screen_size() override;
  int dpi() override { return dpi_; }
  bool begin(ShowOn where) override;
  Size text_extent(const FontSpec& font, const std::string& text) override;
  void draw_text(const FontSpec& font, Point origin, const std::string& text) override;
  void rectangle(Rect rect, base::ColourValue fill, std::optional<Pen> outline) override;
  void rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue> fill, Pen outline) override;
  void end() override;
  void erase() override;
  void describe(const std::string& shown) override;
  void clear() override;

  void restart(int milliseconds) override;
  void stop() override;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  // The font for `font`, made once: a paint may use it several times.
  HFONT font_for(const FontSpec& font);
  // Grows the surface so that it holds `rect` (screen coordinates), keeping
  // what is drawn; false when the system refuses the memory.
  bool cover(Rect rect);
  // `rect` moved from screen to surface coordinates.
  RECT on_surface(Rect rect) const;
  void drop_surface();
  // The area for `where` now, in screen coordinates, and its monitor's DPI.
  std::pair<Rect, int> area_for(ShowOn where);

  OverlaySizing sizing_;
  win32::UniqueMemoryDc measure_;
  win32::UniqueMemoryDc surface_;
  win32::UniqueGdi<HBITMAP> bitmap_;
  HGDIOBJ original_bitmap_ = nullptr;
  Rect screen_{};
  Rect bounds_{};  // the surface's place on the screen; empty when there is none
  Rect dirty_{};   // what the paint under way has drawn
  bool moved_ = false;
  // The primary screen and the monitors, asked for again only after the
  // display's settings or the work area change.
  bool screen_known_ = false;
  Rect primary_screen_{};
  int primary_dpi_ = kDesignDpi;
  std::vector<MonitorArea> monitors_;
  std::vector<int> monitor_dpis_;
  int dpi_ = kDesignDpi;
  std::function<void()> tick_;
  struct CachedFont {
    std::string face;
    int points = 0;
    int dpi = 0;
    win32::UniqueGdi<HFONT> font;
  };
  std::vector<CachedFont> fonts_;
};

}  // namespace vantrel::osd
