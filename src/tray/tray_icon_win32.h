#pragma once

#include <windows.h>

#include "tray/tray_frames_win32.h"
#include "tray/tray_icon.h"
#include "win32/window.h"

namespace vantrel::tray {

// The class of the icon's hidden window, by which helpers find it.
inline constexpr const wchar_t* kTrayWindowClass = L"VantrelTrayIcon";
inline constexpr UINT kAddRetryInterval = 1000;

// TTrayIcon's window: hidden, never shown, but a real top-level window, so
// that it gets the shell's TaskbarCreated broadcast, which message-only
// windows never see. It receives the icon's notifications and timers and
// shows and hides the application's main window (the owner), with which
// the taskbar button comes and goes.
class TrayIconWindow : public win32::Window, private TrayShell {
 public:
  TrayIconWindow(HINSTANCE instance, HWND owner);
  ~TrayIconWindow() override;

  TTrayIcon& icon() { return icon_; }
  int frame_count() const { return frames_.count(); }

  // ShowApplication: the owner comes back in its normal state, and when it
  // was hidden or minimized it comes to the foreground.
  void show_application();
  // HideApplication: the owner and its taskbar button go.
  void hide_application() override;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool notify_shell(DWORD action, const IconData& icon);

  // TrayShell
  bool add_icon(const IconData& icon) override;
  bool delete_icon(const IconData& icon) override;
  bool modify_icon(const IconData& icon) override;
  bool show_balloon(const IconData& icon, const Balloon& balloon) override;
  void set_cycle_timer(unsigned interval) override;
  void set_add_retry_timer(bool running) override;
  std::optional<Point> cursor_position() override;
  ShiftState key_state() override;
  void show_menu(const TrayMenu& menu, Point at) override;

  HWND owner_;
  TrayFrames frames_;
  UINT taskbar_created_;
  TTrayIcon icon_{*this};
};

}  // namespace vantrel::tray
