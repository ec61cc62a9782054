#include "win32/dpi.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/dpi.h"
#include "win32/window.h"

namespace vantrel::win32 {
namespace {

// The functions of Windows 10 1607 on, when this system has them.
template <typename Function>
Function user32_function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

int screen_dpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : base::kDesignDpi;
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT place_in_parent(HWND control) {
  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

}  // namespace

int system_dpi() {
  static const auto get_dpi_for_system = user32_function<GetDpiForSystemFunction>("GetDpiForSystem");
  if (get_dpi_for_system) {
    if (const UINT dpi = get_dpi_for_system()) return static_cast<int>(dpi);
  }
  return screen_dpi();
}

int window_dpi(HWND window) {
  static const auto get_dpi_for_window = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi_for_window && window) {
    if (const UINT dpi = get_dpi_for_window(window)) return static_cast<int>(dpi);
  }
  return system_dpi();
}

int take_suggested_place(HWND window, WPARAM wparam, LPARAM lparam) {
  const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return HIWORD(wparam);
}

int system_metric(int index, int dpi) {
  static const auto for_dpi = user32_function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (for_dpi) return for_dpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, system_dpi());
}

UniqueGdi<HFONT> system_font_for_dpi(UINT which, int dpi) {
  static const auto for_dpi =
      user32_function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  LOGFONTW look{};
  if (!for_dpi || !for_dpi(which, sizeof look, &look, 0, static_cast<UINT>(dpi))) {
    if (!SystemParametersInfoW(which, sizeof look, &look, 0)) return nullptr;
    look.lfHeight = MulDiv(look.lfHeight, dpi, system_dpi());
  }
  return UniqueGdi<HFONT>(CreateFontIndirectW(&look));
}

UniqueGdi<HFONT> scaled_font(HFONT designed, int dpi) {
  LOGFONTW look{};
  if (!designed || !GetObjectW(designed, sizeof look, &look)) return nullptr;
  look.lfHeight = base::scale_font_height(look.lfHeight, dpi);
  look.lfWidth = base::scale_length(look.lfWidth, dpi);
  return UniqueGdi<HFONT>(CreateFontIndirectW(&look));
}

void DpiLayout::capture(HWND root) {
  controls_.clear();
  const auto is_stock = [](HFONT font) {
    for (const int stock : {DEFAULT_GUI_FONT, SYSTEM_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT, OEM_FIXED_FONT})
      if (font == static_cast<HFONT>(GetStockObject(stock))) return true;
    return false;
  };
  struct Walk {
    DpiLayout* layout;
    HWND root;
    decltype(is_stock)* stock;
  } walk{this, root, &is_stock};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM data) -> BOOL {
        auto& walk = *reinterpret_cast<Walk*>(data);
        const HWND parent = GetParent(child);
        // A panel of ours holds controls laid out like the window's own;
        // a system control lays out its parts itself.
        if (parent != walk.root && !Window::from(parent)) return TRUE;
        Control control{child, place_in_parent(child), nullptr};
        // A combo box is as high as its open list; its window shows only
        // the closed part.
        if (class_of(child) == L"ComboBox") {
          control.combo_box = true;
          // (Its answer is CB_OKAY, 0, whether or not it filled the rectangle.)
          RECT dropped{};
          SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
          if (!IsRectEmpty(&dropped)) {
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&dropped), 2);
            control.designed.bottom = std::max(control.designed.bottom, dropped.bottom);
          }
        }
        // A list view answers with the system's font, already made for
        // the system's DPI: its owner gives it the font for another.
        const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        if (font && !(*walk.stock)(font) && class_of(child) != WC_LISTVIEWW) control.font = font;
        walk.layout->controls_.push_back(control);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
}

void DpiLayout::apply(int dpi) {
  if (dpi <= 0) dpi = base::kDesignDpi;
  if (dpi == dpi_) return;
  dpi_ = dpi;
  std::map<HFONT, UniqueGdi<HFONT>> fonts;
  for (const Control& control : controls_) {
    if (!IsWindow(control.handle)) continue;
    move(control);
    if (!control.font) continue;
    HFONT font = control.font;
    if (dpi != base::kDesignDpi) {
      auto& scaled = fonts[control.font];
      if (!scaled) scaled = scaled_font(control.font, dpi);
      if (scaled) font = scaled.get();
    }
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A combo box sizes its closed part and its list anew for a font:
    // given its whole height again, it keeps the designed list.
    if (control.combo_box) move(control);
  }
  // Every control has its new font by now: the old ones are free to go.
  fonts_ = std::move(fonts);
}

void DpiLayout::place(HWND control, RECT designed, HWND insert_after) {
  Control* known = find(control);
  if (!known) {
    controls_.push_back({control, designed, nullptr});
    known = &controls_.back();
  }
  known->designed = designed;
  const RECT bounds = scale(designed);
  SetWindowPos(control, insert_after, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOACTIVATE | (insert_after ? 0 : SWP_NOZORDER));
}

HFONT DpiLayout::shown_font(HFONT designed) {
  if (dpi_ == base::kDesignDpi || !designed) return designed;
  auto& scaled = fonts_[designed];
  if (!scaled) scaled = scaled_font(designed, dpi_);
  return scaled ? scaled.get() : designed;
}

int DpiLayout::scale(int length) const {
  return base::scale_length(length, dpi_);
}

RECT DpiLayout::scale(RECT designed) const {
  return base::scale_rect(designed, dpi_);
}

DpiLayout::Control* DpiLayout::find(HWND control) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [control](const Control& c) { return c.handle == control; });
  return found == controls_.end() ? nullptr : &*found;
}

void DpiLayout::move(const Control& control) const {
  const RECT bounds = scale(control.designed);
  SetWindowPos(control.handle, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel::win32
