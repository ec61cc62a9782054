// The main window's side of the tray icon: TrayIcon1 with its menu, and
// every way the program shows or hides itself.
#include "app/main_window_win32.h"

#include "app/single_instance_win32.h"
#include "tray/application_window.h"
#include "tray/tray_settings.h"

namespace vantrel::app {
namespace {

constexpr unsigned kCycleInterval = 1500;

LPARAM icon_parameter(HICON icon) {
  return reinterpret_cast<LPARAM>(icon);
}

}  // namespace

void MainWindow::create_tray_icon() {
  show_request_message_ = RegisterWindowMessageW(kShowApplicationMessage);
  // Frame 0 is the program's icon: on the window, its taskbar button and in
  // Alt+Tab.
  SendMessageW(handle(), WM_SETICON, ICON_BIG,
               icon_parameter(tray::application_icon(instance_, GetSystemMetrics(SM_CXICON))));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL,
               icon_parameter(tray::application_icon(instance_, GetSystemMetrics(SM_CXSMICON))));

  popup_menu_tray_.items = {{"Show", true, [this] { tray_icon1_click(); }},
                            {"Exit", false, [this] { exit_command(); }}};
  tray_icon1_ = std::make_unique<tray::TrayIconWindow>(instance_, handle());
  tray::TTrayIcon& icon = tray_icon1_->icon();
  icon.set_icon_list(tray_icon1_->frame_count());
  icon.set_cycle_interval(kCycleInterval);
  icon.set_cycle_icons(true);
  icon.set_hint("Vantrel");
  icon.set_show_hint(true);
  icon.set_popup_menu(&popup_menu_tray_);
  // The window stays hidden until the start-up tick decides.
  icon.set_start_minimized(true);
  icon.on_click = [this] { tray_icon1_click(); };
  icon.loaded();
}

void MainWindow::apply_tray_settings() {
  if (!tray_icon1_) return;
  tray::apply_tray_options(tray_icon1_->icon(), {settings_.tray_visible(), settings_.tray_animate(),
                                                 settings_.minimize_to_tray()});
}

// Hidden first, so that the window is shown anew and comes to the front
// even when it was already visible behind others.
void MainWindow::tray_icon1_click() {
  hide_application();
  show_application();
}

void MainWindow::show_application() {
  if (tray_icon1_) tray_icon1_->show_application();
  if (list_ && IsWindowVisible(handle())) SetFocus(list_->handle());
}

void MainWindow::hide_application() {
  if (tray_icon1_) tray_icon1_->hide_application();
}

void MainWindow::toggle_application() {
  if (!IsWindowVisible(handle())) {
    RECT bounds{};
    GetWindowRect(handle(), &bounds);
    const tray::Point origin =
        tray::centred_origin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                             bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(handle(), nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    show_application();
  } else {
    hide_application();
  }
}

}  // namespace vantrel::app
