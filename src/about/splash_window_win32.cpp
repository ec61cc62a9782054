#include "about/splash_window_win32.h"

#include "about/about_layout.h"
#include "base/dpi.h"
#include "frame/frame_layout.h"
#include "frame/window_outline_win32.h"
#include "win32/colour.h"
#include "win32/dpi.h"

namespace vantrel::app {
namespace {

constexpr int kBarId = 200;
constexpr wchar_t kName[] = L"Vantrel";

win32::UniqueGdi<HFONT> bold_font(int pixels) {
  return win32::UniqueGdi<HFONT>(CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

}  // namespace

TFormLogo::TFormLogo(HINSTANCE instance)
    : bar_font_(bold_font(16)),
      caption_font_(bold_font(32)),
      scheme_(colour_scheme(kDefaultSchemeName)),
      background_(CreateSolidBrush(win32::colour_ref(scheme_.window))) {
  register_class(instance, kClassName);
  const int dpi = win32::system_dpi();
  const ui::Point origin = splash_origin({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, dpi);
  create(instance, kClassName, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
         RECT{origin.x, origin.y, origin.x + base::scale_length(kSplashSize.width, dpi),
              origin.y + base::scale_length(kSplashSize.height, dpi)},
         nullptr);
}

TFormLogo::~TFormLogo() {
  destroy();
}

void TFormLogo::show() {
  ShowWindow(handle(), SW_SHOWNOACTIVATE);
  // Painted whole at once, its captions and bar with it: the start-up tick
  // goes on to fill and show the main window before the loop would paint.
  RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TFormLogo::hide() {
  ShowWindow(handle(), SW_HIDE);
}

LRESULT TFormLogo::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      bar_ = std::make_unique<ui::TGradientButton>(handle(), kBarId, L"Loading ...",
                                                   RECT{0, 0, kSplashSize.width, kTitleStripHeight});
      bar_->set_takes_focus(false);
      SetWindowLongPtrW(bar_->handle(), GWL_STYLE,
                        GetWindowLongPtrW(bar_->handle(), GWL_STYLE) & ~WS_TABSTOP);
      bar_->set_show_focus_rect(false);
      bar_->set_show_accel_char(false);
      bar_->set_font(bar_font_.get());
      bar_->set_text_colour(base::rgb(255, 255, 255));
      // FormClick: the title strip too.
      bar_->on_click = [this] { hide(); };
      frame_ = std::make_unique<WindowFrame>(handle(), kSplashSize.width, kSplashSize.height);
      apply_rounded_outline(handle());
      dpi_layout_.capture(handle());
      lay_out(win32::window_dpi(handle()));
      return 0;
    case WM_DPICHANGED:
      lay_out(win32::take_suggested_place(handle(), wparam, lparam));
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    // FormClick: the window's surface, which the captions are drawn on.
    case WM_LBUTTONDOWN:
      SetCapture(handle());
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP: {
      // Read before the capture goes: letting it go clears the press.
      const bool clicked = pressed_;
      if (GetCapture() == handle()) ReleaseCapture();
      pressed_ = false;
      if (clicked) hide();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(handle(), &paint);
      this->paint(dc);
      EndPaint(handle(), &paint);
      return 0;
    }
    case WM_CLOSE:
      hide();
      return 0;
    case WM_DESTROY:
      bar_.reset();
      frame_.reset();
      return 0;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

void TFormLogo::lay_out(int dpi) {
  dpi_layout_.apply(dpi);
  fit_designed_size(handle(), kSplashSize.width, kSplashSize.height, dpi_layout_.dpi());
  InvalidateRect(handle(), nullptr, TRUE);
}

void TFormLogo::paint(HDC dc) {
  RECT all{};
  GetClientRect(handle(), &all);
  FillRect(dc, &all, background_.get());
  const SplashCaptions captions = splash_captions(kSplashSize);
  const win32::SelectedObject font(dc, dpi_layout_.shown_font(caption_font_.get()));
  SetBkMode(dc, TRANSPARENT);
  // Label2 first: Label1 lies in front of it.
  const std::pair<ui::Rect, base::ColourValue> labels[] = {{captions.label2, scheme_.dark},
                                                           {captions.label1, scheme_.light}};
  for (const auto& [bounds, colour] : labels) {
    RECT box = dpi_layout_.scale(RECT{bounds.left, bounds.top, bounds.right, bounds.bottom});
    SetTextColor(dc, win32::colour_ref(colour));
    DrawTextW(dc, kName, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void TFormLogo::apply_colour_scheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  if (!bar_) return;
  apply_title_bar_colours(bar_->colors(), scheme);
  bar_->set_color(scheme.window);
  frame_->set_colour(scheme.dark);
  background_.reset(CreateSolidBrush(win32::colour_ref(scheme.window)));
  RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TFormLogo::apply_quality(ui::TGradientQuality quality) {
  if (bar_) bar_->set_quality(quality);
}

}  // namespace vantrel::app
