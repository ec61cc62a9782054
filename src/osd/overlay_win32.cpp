#include "osd/overlay_win32.h"

#include <algorithm>

#include "win32/colour.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace vantrel::osd {
namespace {

constexpr wchar_t kClassName[] = L"VantrelOnScreenDisplay";
constexpr UINT_PTR kTimerClearScreen = 1;
// Pixels of this colour are holes in the window.
constexpr COLORREF kKeyColour = RGB(255, 0, 254);

COLORREF resolve(base::ColourValue value) {
  const COLORREF colour = win32::colour_ref(value);
  // A colour equal to the key would vanish; one step off looks the same.
  return colour == kKeyColour ? colour ^ 1 : colour;
}

// The system's own DPI, which the display used before monitors had their
// own: what a program that is not per-monitor aware gets everywhere.
int system_dpi() {
  const win32::WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

// GetDpiForMonitor (Windows 8.1 on), looked up at run time; the system DPI
// where it is missing or fails.
int monitor_dpi(HMONITOR monitor) {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto get_dpi = []() -> GetDpiForMonitorFunction {
    const HMODULE shcore = win32::load_system_library(L"shcore.dll");
    return shcore ? reinterpret_cast<GetDpiForMonitorFunction>(
                        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                  : nullptr;
  }();
  UINT x = 0;
  UINT y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (get_dpi && SUCCEEDED(get_dpi(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
  return system_dpi();
}

struct MonitorList {
  std::vector<MonitorArea> areas;
  std::vector<int> dpis;
};

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& m = info.rcMonitor;
    const RECT& w = info.rcWork;
    auto& monitors = *reinterpret_cast<MonitorList*>(list);
    monitors.areas.push_back({{m.left, m.top, m.right, m.bottom},
                              {w.left, w.top, w.right, w.bottom},
                              (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    monitors.dpis.push_back(monitor_dpi(monitor));
  }
  return TRUE;
}

}  // namespace

Size primary_screen_at_design_dpi() {
  const int dpi = monitor_dpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  return {MulDiv(GetSystemMetrics(SM_CXSCREEN), kDesignDpi, dpi),
          MulDiv(GetSystemMetrics(SM_CYSCREEN), kDesignDpi, dpi)};
}

OverlayWindow::OverlayWindow(HINSTANCE instance, OverlaySizing sizing)
    : sizing_(sizing), measure_(CreateCompatibleDC(nullptr)) {
  register_class(instance, kClassName);
  create(instance, kClassName, L"", WS_POPUP,
         WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
         RECT{0, 0, 1, 1}, nullptr);
  SetLayeredWindowAttributes(handle(), kKeyColour, 0, LWA_COLORKEY);
}

OverlayWindow::~OverlayWindow() {
  drop_surface();
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
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
      screen_known_ = false;
      return Window::on_message(message, wparam, lparam);
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

Size OverlayWindow::screen_size() {
  return {screen_.right - screen_.left, screen_.bottom - screen_.top};
}

std::pair<Rect, int> OverlayWindow::area_for(ShowOn where) {
  if (sizing_ == OverlaySizing::whole_screen)
    return {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, system_dpi()};
  // Asking the system for the screen costs as much as the rest of a small
  // paint under Wine; it changes only with the display's settings.
  if (!screen_known_) {
    screen_known_ = true;
    primary_screen_ = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    primary_dpi_ = monitor_dpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    MonitorList list;
    EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&list));
    monitors_ = std::move(list.areas);
    monitor_dpis_ = std::move(list.dpis);
  }
  if (where == ShowOn::primary || monitors_.empty()) return {primary_screen_, primary_dpi_};
  POINT mouse{};
  if (where == ShowOn::mouse) GetCursorPos(&mouse);
  std::optional<Rect> active;
  const HWND foreground = where == ShowOn::active_window ? GetForegroundWindow() : nullptr;
  RECT r{};
  if (foreground && IsWindowVisible(foreground) && !IsIconic(foreground) && GetWindowRect(foreground, &r))
    active = Rect{r.left, r.top, r.right, r.bottom};
  const std::size_t chosen = choose_monitor(monitors_, where, {mouse.x, mouse.y}, active);
  return {display_area(monitors_[chosen], where), monitor_dpis_[chosen]};
}

bool OverlayWindow::begin(ShowOn where) {
  if (!handle() || !measure_) return false;
  const auto [area, dpi] = area_for(where);
  if (area != screen_ || dpi != dpi_) {
    // Another area starts a fresh surface: what was painted for the old one
    // is gone, as a resolution change repaints the real screen too.
    ShowWindow(handle(), SW_HIDE);
    drop_surface();
    screen_ = area;
    dpi_ = dpi;
  }
  dirty_ = {};
  if (sizing_ == OverlaySizing::whole_screen) {
    const Size size = screen_size();
    return cover({0, 0, size.width, size.height});
  }
  return true;
}

void OverlayWindow::drop_surface() {
  if (surface_ && original_bitmap_) SelectObject(surface_.get(), original_bitmap_);
  original_bitmap_ = nullptr;
  bitmap_.reset();
  surface_.reset();
  bounds_ = {};
}

bool OverlayWindow::cover(Rect rect) {
  // Nothing is drawn off the area: a margin kept for overhanging glyphs
  // would otherwise put the window partly off the monitor.
  const Size area = screen_size();
  rect = {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, area.width),
          std::min(rect.bottom, area.height)};
  if (is_empty(rect)) return false;
  dirty_ = united(dirty_, rect);
  if (contains(bounds_, rect)) return surface_ != nullptr;
  const Rect grown = united(bounds_, rect);
  const int width = grown.right - grown.left;
  const int height = grown.bottom - grown.top;
  const win32::WindowDc screen_dc(nullptr);
  win32::UniqueMemoryDc surface(CreateCompatibleDC(screen_dc.get()));
  win32::UniqueGdi<HBITMAP> bitmap(surface ? CreateCompatibleBitmap(screen_dc.get(), width, height)
                                           : nullptr);
  // Without the memory the paint goes without this part; what is drawn stays.
  if (!bitmap) return false;
  HGDIOBJ original = SelectObject(surface.get(), bitmap.get());
  const RECT all{0, 0, width, height};
  const win32::UniqueGdi<HBRUSH> key(CreateSolidBrush(kKeyColour));
  FillRect(surface.get(), &all, key.get());
  if (surface_) {
    BitBlt(surface.get(), bounds_.left - grown.left, bounds_.top - grown.top, bounds_.right - bounds_.left,
           bounds_.bottom - bounds_.top, surface_.get(), 0, 0, SRCCOPY);
  }
  drop_surface();
  surface_ = std::move(surface);
  bitmap_ = std::move(bitmap);
  original_bitmap_ = original;
  bounds_ = grown;
  moved_ = true;
  return true;
}

RECT OverlayWindow::on_surface(Rect rect) const {
  return {rect.left - bounds_.left, rect.top - bounds_.top, rect.right - bounds_.left,
          rect.bottom - bounds_.top};
}

HFONT OverlayWindow::font_for(const FontSpec& font) {
  for (const CachedFont& cached : fonts_) {
    if (cached.face == font.face && cached.points == font.points && cached.dpi == dpi_)
      return cached.font.get();
  }
  // The text and the figure use two fonts; a user trying faces in the
  // Options window would otherwise pile them up.
  if (fonts_.size() >= 4) fonts_.erase(fonts_.begin());
  const int height = -MulDiv(font.points, dpi_, 72);
  win32::UniqueGdi<HFONT> made(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                           DEFAULT_PITCH | FF_DONTCARE, win32::widen(font.face).c_str()));
  const HFONT handle = made.get();
  fonts_.push_back({font.face, font.points, dpi_, std::move(made)});
  return handle;
}

Size OverlayWindow::text_extent(const FontSpec& font, const std::string& text) {
  const win32::SelectedObject selected(measure_.get(), font_for(font));
  const std::wstring wide = win32::widen(text);
  SIZE extent{};
  GetTextExtentPoint32W(measure_.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  return {extent.cx, extent.cy};
}

void OverlayWindow::draw_text(const FontSpec& font, Point origin, const std::string& text) {
  const HFONT handle = font_for(font);
  const std::wstring wide = win32::widen(text);
  SIZE extent{};
  {
    const win32::SelectedObject selected(measure_.get(), handle);
    GetTextExtentPoint32W(measure_.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  }
  // Slanted and overhanging glyphs reach a little past their advance; a
  // quarter of the line height either side holds them.
  const int overhang = extent.cy / 4;
  if (!cover({origin.x - overhang, origin.y, origin.x + extent.cx + overhang, origin.y + extent.cy})) return;
  const win32::SelectedObject selected(surface_.get(), handle);
  SetBkMode(surface_.get(), TRANSPARENT);
  SetTextColor(surface_.get(), resolve(font.colour));
  TextOutW(surface_.get(), origin.x - bounds_.left, origin.y - bounds_.top, wide.c_str(),
           static_cast<int>(wide.size()));
}

void OverlayWindow::rectangle(Rect rect, base::ColourValue fill, std::optional<Pen> outline) {
  // A pen is centred on the outline: half of it lies outside.
  if (!cover(inflated(normalised(rect), outline ? outline->width / 2 + 1 : 0))) return;
  const win32::UniqueGdi<HBRUSH> brush(CreateSolidBrush(resolve(fill)));
  const win32::UniqueGdi<HPEN> pen(outline ? CreatePen(PS_SOLID, outline->width, resolve(outline->colour))
                                           : CreatePen(PS_NULL, 0, 0));
  const win32::SelectedObject selected_brush(surface_.get(), brush.get());
  const win32::SelectedObject selected_pen(surface_.get(), pen.get());
  const RECT r = on_surface(rect);
  Rectangle(surface_.get(), r.left, r.top, r.right, r.bottom);
}

void OverlayWindow::rounded_rectangle(Rect rect, int ellipse, std::optional<base::ColourValue> fill,
                                      Pen outline) {
  if (!cover(inflated(normalised(rect), outline.width / 2 + 1))) return;
  const win32::UniqueGdi<HBRUSH> brush(fill ? CreateSolidBrush(resolve(*fill)) : nullptr);
  const win32::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, outline.width, resolve(outline.colour)));
  const win32::SelectedObject selected_brush(surface_.get(), fill ? brush.get() : GetStockObject(NULL_BRUSH));
  const win32::SelectedObject selected_pen(surface_.get(), pen.get());
  const RECT r = on_surface(rect);
  RoundRect(surface_.get(), r.left, r.top, r.right, r.bottom, ellipse, ellipse);
}

void OverlayWindow::end() {
  if (!surface_) {
    // Erased and nothing drawn since (or no memory for it): nothing shows.
    ShowWindow(handle(), SW_HIDE);
    return;
  }
  if (sizing_ == OverlaySizing::whole_screen) {
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, screen_.right - screen_.left, screen_.bottom - screen_.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(handle(), nullptr, FALSE);
    UpdateWindow(handle());
    return;
  }
  if (moved_ || !IsWindowVisible(handle())) {
    // Placing and showing the window paints all of it (WM_PAINT).
    moved_ = false;
    SetWindowPos(handle(), HWND_TOPMOST, screen_.left + bounds_.left, screen_.top + bounds_.top,
                 bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(handle(), nullptr, FALSE);
    UpdateWindow(handle());
    return;
  }
  // Shown where it belongs: only what this paint drew goes to the screen.
  if (is_empty(dirty_)) return;
  const RECT r = on_surface(dirty_);
  const win32::WindowDc dc(handle());
  BitBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, surface_.get(), r.left, r.top, SRCCOPY);
}

void OverlayWindow::describe(const std::string& shown) {
  SetWindowTextW(handle(), win32::widen(shown).c_str());
}

void OverlayWindow::erase() {
  // The window keeps its place and picture; the next paint's first cover
  // makes a new surface and end() moves the window onto it.
  drop_surface();
}

void OverlayWindow::clear() {
  ShowWindow(handle(), SW_HIDE);
  drop_surface();
}

void OverlayWindow::restart(int milliseconds) {
  KillTimer(handle(), kTimerClearScreen);
  SetTimer(handle(), kTimerClearScreen, static_cast<UINT>(milliseconds), nullptr);
}

void OverlayWindow::stop() {
  KillTimer(handle(), kTimerClearScreen);
}

}  // namespace vantrel::osd
