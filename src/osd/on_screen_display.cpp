#include "osd/on_screen_display.h"

#include <utility>

namespace vantrel::osd {
namespace {

std::string not_an_integer(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}

}  // namespace

void OnScreenDisplay::show_text(const std::string& text) {
  // Each confirmation replaces the one before: only a volume change's
  // caption is drawn beside its bar.
  const bool caption_of_bar = std::exchange(bar_awaits_caption_, false);
  if (!settings_.osd_enabled) {
    if (!caption_of_bar && !(text_shown_.empty() && figure_shown_.empty())) clear();
    return;
  }
  const auto x = setting_number(settings_.text_x);
  const auto y = setting_number(settings_.text_y);
  if (!x || !y) return;
  if (!caption_of_bar) forget_what_is_shown();
  if (!canvas_.begin(settings_.show_on)) return;
  const Size screen = canvas_.screen_size();
  if (!text.empty()) {
    const Point origin = keep_on_screen(text_origin(*x, *y, screen, canvas_.dpi()),
                                        canvas_.text_extent(settings_.text_font, text), screen);
    canvas_.draw_text(settings_.text_font, origin, text);
    text_shown_ = text;
  }
  canvas_.end();
  tell_what_is_shown();
  timer_.restart(settings_.visible_ms);
}

std::optional<std::string> OnScreenDisplay::show_volume_progress(double first, double second) {
  BarInput input;
  for (auto [text, target] : {std::pair{&settings_.bar_x, &input.x}, std::pair{&settings_.bar_y, &input.y},
                              std::pair{&settings_.bar_height, &input.height}}) {
    const auto value = setting_number(*text);
    if (!value) return not_an_integer(*text);
    *target = *value;
  }
  input.border = settings_.border;
  forget_what_is_shown();
  if (!canvas_.begin(settings_.show_on)) return std::nullopt;

  const Size screen = canvas_.screen_size();
  const FontSpec& figure_font = settings_.figure_font;
  const BarLayout layout =
      bar_layout(input, screen, first, second, canvas_.text_extent(figure_font, "100.00"), canvas_.dpi());
  canvas_.rectangle(layout.background, base::kBlack, Pen{base::kBlack, 1});
  canvas_.rectangle(layout.upper, settings_.progress_colour, std::nullopt);
  canvas_.rectangle(layout.lower, settings_.progress_colour, std::nullopt);
  canvas_.rounded_rectangle(layout.frame, layout.frame_ellipse, std::nullopt,
                            Pen{settings_.border_colour, layout.border});
  canvas_.rounded_rectangle(layout.figure_box, layout.figure_box_ellipse, base::kBlack,
                            Pen{settings_.border_colour, layout.figure_box_pen});
  const std::string figure = figure_text(first, second, settings_.decimals, decimal_separator_);
  canvas_.draw_text(figure_font, figure_origin(layout, screen, canvas_.text_extent(figure_font, figure)),
                    figure);
  canvas_.end();
  figure_shown_ = figure;
  bar_awaits_caption_ = true;
  tell_what_is_shown();
  timer_.restart(settings_.visible_ms);
  return std::nullopt;
}

void OnScreenDisplay::clear() {
  bar_awaits_caption_ = false;
  timer_.stop();
  canvas_.clear();
  // The hidden window keeps its words until something new is shown.
  text_shown_.clear();
  figure_shown_.clear();
}

void OnScreenDisplay::forget_what_is_shown() {
  canvas_.erase();
  text_shown_.clear();
  figure_shown_.clear();
}

void OnScreenDisplay::tell_what_is_shown() {
  std::string shown = text_shown_;
  if (!figure_shown_.empty()) shown += (shown.empty() ? "" : " ") + figure_shown_;
  if (shown == described_) return;
  described_ = shown;
  canvas_.describe(shown);
}

void OnScreenDisplay::timer_tick() {
  clear();
}

}  // namespace vantrel::osd
