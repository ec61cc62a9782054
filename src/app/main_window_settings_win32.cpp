// The main window's side of the settings: what the Options window's choices
// change on it (colours, layered styles, the list's look, the tray icon, the
// autorun entry), reached the same way at load and at a user's change.
#include "app/main_window_win32.h"

#include <commctrl.h>

#include "win32/colour.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up by name: where the system has no layered windows, both options
// have no effect.
SetLayeredAttributes set_layered_attributes() {
  static const auto function = reinterpret_cast<SetLayeredAttributes>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes")));
  return function;
}

}  // namespace

void MainWindow::set_window_layers(const WindowLayers& layers) {
  layers_ = layers;
  apply_window_layers();
}

void MainWindow::apply_window_layers() {
  const SetLayeredAttributes set_attributes = set_layered_attributes();
  if (!set_attributes) return;
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
  if (layers_.layered()) {
    SetWindowLongPtrW(handle(), GWL_EXSTYLE, style | WS_EX_LAYERED);
    // The key is the window's colour, which follows the scheme: the
    // background stays see-through after a change of scheme.
    set_attributes(handle(), win32::colour_ref(looks_.scheme().window), static_cast<BYTE>(layers_.opacity),
                   (layers_.colour_key ? LWA_COLORKEY : 0) | (layers_.blending ? LWA_ALPHA : 0));
  } else if (style & WS_EX_LAYERED) {
    SetWindowLongPtrW(handle(), GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void MainWindow::set_properties_panel(bool shown) {
  set_properties_panel_checked(shown);
  properties_panel1_click();
}

void MainWindow::set_list_look(bool check_boxes, bool grid_lines) {
  const HWND list = list_->handle();
  // The boxes hide by their images being taken away: the rows keep their
  // states (which a save reads) and the images stay the list's own.
  if (!check_boxes && !hidden_check_boxes_) {
    hidden_check_boxes_ = ListView_SetImageList(list, nullptr, LVSIL_STATE);
  } else if (check_boxes && hidden_check_boxes_) {
    ListView_SetImageList(list, hidden_check_boxes_, LVSIL_STATE);
    hidden_check_boxes_ = nullptr;
  }
  ListView_SetExtendedListViewStyleEx(list, LVS_EX_GRIDLINES, grid_lines ? LVS_EX_GRIDLINES : 0);
  InvalidateRect(list, nullptr, TRUE);
}

void MainWindow::set_tray(const TrayLook&) {
  apply_tray_settings();
}

std::optional<std::string> MainWindow::set_autorun(bool on) {
  return autorun_.set(on);
}

bool MainWindow::autorun_present() const {
  return autorun_.present();
}

void MainWindow::tell_autorun_failure(const std::string& reason) {
  MessageBoxW(
      handle(),
      win32::widen("Vantrel could not be set to start with Windows, so \"Autorun with Windows\" is off.\n\n" +
                   reason)
          .c_str(),
      L"Vantrel", MB_OK | MB_ICONWARNING);
}

void MainWindow::ComboBoxColorSchemeChange(std::string_view scheme_name) {
  looks_.ApplyColorScheme(scheme_name);
}

void MainWindow::ComboBoxQualityChange(int quality) {
  looks_.ComboBoxQualityChange(quality);
}

void MainWindow::apply_colour_scheme(const ColourScheme& scheme) {
  // The list takes the keyboard only from the window's own controls: taking
  // it from the Options window would pull the user out of the very list
  // that chose the scheme (and raise this window over it).
  if (IsWindowVisible(handle()) && IsWindowEnabled(handle()) && GetActiveWindow() == handle())
    SetFocus(list_->handle());
  title_->apply(scheme, looks_.quality());
  menu_bar_->apply(scheme, looks_.quality());
  if (panel_) panel_->apply_colour_scheme(scheme);
  frame_->set_colour(scheme.dark);
  const HWND list = list_->handle();
  ListView_SetBkColor(list, win32::colour_ref(scheme.list));
  ListView_SetTextBkColor(list, win32::colour_ref(scheme.list));
  ListView_SetTextColor(list, win32::colour_ref(scheme.dark));
  // The class's brush paints the background: the new one goes in before
  // the old one is deleted.
  win32::UniqueGdi<HBRUSH> background(CreateSolidBrush(win32::colour_ref(scheme.window)));
  SetClassLongPtrW(handle(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(background.get()));
  background_ = std::move(background);
  apply_window_layers();
  RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::apply_quality(ui::TGradientQuality quality) {
  title_->apply(looks_.scheme(), quality);
  menu_bar_->apply(looks_.scheme(), quality);
  if (panel_) panel_->apply_quality(quality);
}

}  // namespace vantrel::app
