#pragma once

#include <optional>
#include <string>

#include "osd/display.h"
#include "osd/display_settings.h"
#include "osd/osd_layout.h"

namespace vantrel::osd {

struct Pen {
  base::ColourValue colour = base::kBlack;
  int width = 1;
};

// The surface the display draws on, in the coordinates of the screen area
// that begin() chose (the primary screen, or a monitor's work area). Paints
// add up until it is cleared.
class OsdCanvas {
 public:
  virtual ~OsdCanvas() = default;
  // The size of the area chosen by the last begin(), and the dots per inch
  // of its monitor (fonts are made for it).
  virtual Size screen_size() = 0;
  virtual int dpi() { return kDesignDpi; }
  // Chooses the area for the paint (a new one starts a fresh surface).
  // False when there is nothing to draw on; the paint then stops.
  virtual bool begin(ShowOn where) = 0;
  virtual Size text_extent(const FontSpec& font, const std::string& text) = 0;
  // Regular style, transparent background.
  virtual void draw_text(const FontSpec& font, Point origin, const std::string& text) = 0;
  virtual void rectangle(Rect rect, base::ColourValue fill, std::optional<Pen> outline) = 0;
  virtual void rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue> fill,
                                 Pen outline) = 0;
  // Shows what was drawn since begin().
  virtual void end() = 0;
  // Forgets everything drawn so far; the screen keeps showing it until the
  // next end(), which shows only what was drawn after this (nothing: the
  // display goes), so a new paint replaces the old without a flicker.
  virtual void erase() = 0;
  // What the display shows, in words, for screen readers and UI automation;
  // told only when it changes.
  virtual void describe(const std::string& shown) = 0;
  virtual void clear() = 0;
};

// TimerClearScreen: one tick after the visible time, unless restarted.
class ClearTimer {
 public:
  virtual ~ClearTimer() = default;
  virtual void restart(int milliseconds) = 0;
  virtual void stop() = 0;
};

// The text and the volume bar, drawn where the settings say, and wiped
// when the visible time has passed since the last paint.
class OnScreenDisplay : public Display {
 public:
  OnScreenDisplay(OsdCanvas& canvas, ClearTimer& timer, const DisplaySettings& settings,
                  char decimal_separator = '.')
      : canvas_(canvas), timer_(timer), settings_(settings), decimal_separator_(decimal_separator) {}

  void show_text(const std::string& text) override;
  std::optional<std::string> show_volume_progress(double first, double second) override;
  void clear() override;
  // TimerClearScreen's tick.
  void timer_tick();

 private:
  void tell_what_is_shown();
  void forget_what_is_shown();

  OsdCanvas& canvas_;
  ClearTimer& timer_;
  const DisplaySettings& settings_;
  char decimal_separator_;
  // The line of text and the bar's figure painted since the last clear, and
  // what the canvas was last told.
  std::string text_shown_;
  std::string figure_shown_;
  // The bar just painted waits for its caption ("Volume"), which joins it
  // instead of replacing it.
  bool bar_awaits_caption_ = false;
  std::string described_;
};

}  // namespace vantrel::osd
