#include "frame/title_strip_win32.h"

#include <commctrl.h>

#include <utility>

#include "frame/frame_layout.h"

namespace vantrel::app {
namespace {

constexpr int kBarHeight = kTitleStripHeight;
constexpr int kBarId = 200;
constexpr int kMinimizeId = 201;
constexpr int kExitId = 202;

win32::UniqueGdi<HFONT> font(int pixels, int weight, bool strike_out) {
  return win32::UniqueGdi<HFONT>(CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, strike_out,
                                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

}  // namespace

TitleStrip::TitleStrip(HWND window, int width, const std::wstring& caption)
    : window_(window),
      caption_font_(font(11, FW_BOLD, false)),
      minimize_font_(font(24, FW_BOLD, true)),
      exit_font_(font(11, FW_BOLD, false)) {
  bar_ = std::make_unique<ui::TGradientButton>(window, kBarId, caption, RECT{0, 0, width, kBarHeight});
  bar_->set_takes_focus(false);
  SetWindowLongPtrW(bar_->handle(), GWL_STYLE, GetWindowLongPtrW(bar_->handle(), GWL_STYLE) & ~WS_TABSTOP);
  bar_->set_font(caption_font_.get());
  bar_->set_text_colour(base::rgb(255, 255, 255));
  // Dragging the strip moves the window by the mouse's travel.
  bar_->on_mouse_down = [this](POINT at) { drag_anchor_ = at; };
  bar_->on_mouse_move = [this](POINT at, bool left_down) {
    if (!left_down) return;
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    SetWindowPos(window_, nullptr, bounds.left + at.x - drag_anchor_.x, bounds.top + at.y - drag_anchor_.y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };

  // A blank in struck-out type: the strike-out line is the minimise mark.
  minimize_ = std::make_unique<ui::TGradientButton>(window, kMinimizeId, L" ", RECT{499, 3, 519, 23});
  minimize_->set_font(minimize_font_.get());
  minimize_->on_click = [this] {
    if (on_minimize) on_minimize();
  };
  exit_ = std::make_unique<ui::TGradientButton>(window, kExitId, L"X", RECT{518, 3, 538, 23});
  exit_->set_font(exit_font_.get());
  exit_->on_click = [this] {
    if (on_hide) on_hide();
  };
  for (ui::TGradientButton* button : {bar_.get(), minimize_.get(), exit_.get()}) {
    SetWindowLongPtrW(button->handle(), GWL_STYLE,
                      GetWindowLongPtrW(button->handle(), GWL_STYLE) | WS_CLIPSIBLINGS);
  }
  SetWindowPos(minimize_->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(exit_->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  // The hints; the tooltip window goes with the window that owns it.
  HWND tips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr);
  const std::pair<HWND, const wchar_t*> hints[] = {{minimize_->handle(), L"Minimize"},
                                                   {exit_->handle(), L"Hide"}};
  for (const auto& [button, hint] : hints) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(hint);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void TitleStrip::apply(const ColourScheme& scheme, ui::TGradientQuality quality) {
  apply_title_bar_colours(bar_->colors(), scheme);
  for (ui::TGradientButton* button : {minimize_.get(), exit_.get()}) {
    apply_action_button_colours(button->colors(), scheme);
  }
  for (ui::TGradientButton* button : {bar_.get(), minimize_.get(), exit_.get()}) {
    button->set_color(scheme.window);
    button->set_quality(quality);
  }
}

}  // namespace vantrel::app
