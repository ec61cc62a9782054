#include "osd/overlay_win32.h"

#include "win32/text.h"

namespace vantrel::osd {
namespace {

constexpr wchar_t kClassName[] = L"VantrelOnScreenDisplay";
constexpr UINT_PTR kTimerClearScreen = 1;
// Pixels of this colour are holes in the window.
constexpr COLORREF kKeyColour = RGB(255, 0, 254);

COLORREF resolve(base::ColourValue value) {
  const COLORREF colour = base::is_system_colour(value) ? GetSysColor(static_cast<int>(value & 0xFF))
                                                        : static_cast<COLORREF>(value);
  // A colour equal to the key would vanish; one step off looks the same.
  return colour == kKeyColour ? colour ^ 1 : colour;
}

}  // namespace

OverlayWindow::OverlayWindow(HINSTANCE instance) {
  register_class(instance, kClassName);
  create(instance, kClassName, L"", WS_POPUP,
         WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
         RECT{0, 0, 1, 1}, nullptr);
  SetLayeredWindowAttributes(handle(), kKeyColour, 0, LWA_COLORKEY);
}

OverlayWindow::~OverlayWindow() {
  if (surface_ && original_bitmap_) SelectObject(surface_.get(), original_bitmap_);
}

LRESULT OverlayWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      if (surface_) {
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, surface_.get(), r.left, r.top, SRCCOPY);
      }
      EndPaint(handle(), &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_TIMER:
      if (wparam == kTimerClearScreen && tick_) tick_();
      return 0;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

Size OverlayWindow::screen_size() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool OverlayWindow::begin() {
  if (!handle()) return false;
  const Size screen = screen_size();
  if (!surface_ || screen.width != size_.width || screen.height != size_.height) {
    // A new screen size starts a fresh surface: what was painted for the old
    // one is gone, as a resolution change repaints the real screen too.
    const win32::WindowDc screen_dc(nullptr);
    if (surface_ && original_bitmap_) SelectObject(surface_.get(), original_bitmap_);
    original_bitmap_ = nullptr;
    surface_.reset(CreateCompatibleDC(screen_dc.get()));
    bitmap_.reset(CreateCompatibleBitmap(screen_dc.get(), screen.width, screen.height));
    if (!surface_ || !bitmap_) {
      // Half a surface would pass for a whole one next time: try afresh.
      surface_.reset();
      bitmap_.reset();
      return false;
    }
    original_bitmap_ = SelectObject(surface_.get(), bitmap_.get());
    size_ = screen;
    wipe();
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, screen.width, screen.height, SWP_NOACTIVATE);
  }
  return true;
}

win32::UniqueGdi<HFONT> OverlayWindow::make_font(const FontSpec& font) const {
  const win32::WindowDc screen_dc(nullptr);
  const int height = -MulDiv(font.points, GetDeviceCaps(screen_dc.get(), LOGPIXELSY), 72);
  return win32::UniqueGdi<HFONT>(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                             DEFAULT_PITCH | FF_DONTCARE, win32::widen(font.face).c_str()));
}

Size OverlayWindow::text_extent(const FontSpec& font, const std::string& text) {
  const auto handle = make_font(font);
  const win32::SelectedObject selected(surface_.get(), handle.get());
  const std::wstring wide = win32::widen(text);
  SIZE extent{};
  GetTextExtentPoint32W(surface_.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  return {extent.cx, extent.cy};
}

void OverlayWindow::draw_text(const FontSpec& font, Point origin, const std::string& text) {
  const auto handle = make_font(font);
  const win32::SelectedObject selected(surface_.get(), handle.get());
  SetBkMode(surface_.get(), TRANSPARENT);
  SetTextColor(surface_.get(), resolve(font.colour));
  const std::wstring wide = win32::widen(text);
  TextOutW(surface_.get(), origin.x, origin.y, wide.c_str(), static_cast<int>(wide.size()));
}

void OverlayWindow::rectangle(Rect rect, base::ColourValue fill, std::optional<Pen> outline) {
  const win32::UniqueGdi<HBRUSH> brush(CreateSolidBrush(resolve(fill)));
  const win32::UniqueGdi<HPEN> pen(outline ? CreatePen(PS_SOLID, outline->width, resolve(outline->colour))
                                           : CreatePen(PS_NULL, 0, 0));
  const win32::SelectedObject selected_brush(surface_.get(), brush.get());
  const win32::SelectedObject selected_pen(surface_.get(), pen.get());
  Rectangle(surface_.get(), rect.left, rect.top, rect.right, rect.bottom);
}

void OverlayWindow::rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue> fill,
                                      Pen outline) {
  const win32::UniqueGdi<HBRUSH> brush(fill ? CreateSolidBrush(resolve(*fill)) : nullptr);
  const win32::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, outline.width, resolve(outline.colour)));
  const win32::SelectedObject selected_brush(surface_.get(), fill ? brush.get() : GetStockObject(NULL_BRUSH));
  const win32::SelectedObject selected_pen(surface_.get(), pen.get());
  RoundRect(surface_.get(), rect.left, rect.top, rect.right, rect.bottom, ellipse, ellipse);
}

void OverlayWindow::end() {
  InvalidateRect(handle(), nullptr, FALSE);
  SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(handle());
}

void OverlayWindow::wipe() {
  const RECT all{0, 0, size_.width, size_.height};
  const win32::UniqueGdi<HBRUSH> key(CreateSolidBrush(kKeyColour));
  FillRect(surface_.get(), &all, key.get());
}

void OverlayWindow::clear() {
  ShowWindow(handle(), SW_HIDE);
  if (surface_) wipe();
}

void OverlayWindow::restart(int milliseconds) {
  KillTimer(handle(), kTimerClearScreen);
  SetTimer(handle(), kTimerClearScreen, static_cast<UINT>(milliseconds), nullptr);
}

void OverlayWindow::stop() {
  KillTimer(handle(), kTimerClearScreen);
}

}  // namespace vantrel::osd
