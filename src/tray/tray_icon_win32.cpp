#include "tray/tray_icon_win32.h"

#include <shellapi.h>

#include <cwchar>
#include <functional>

#include "win32/handles.h"
#include "win32/text.h"

namespace vantrel::tray {
namespace {

constexpr UINT_PTR kCycleTimer = 1;
constexpr UINT_PTR kAddRetryTimer = 2;

bool key_held(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

TrayIconWindow::TrayIconWindow(HINSTANCE instance, HWND owner)
    : owner_(owner),
      frames_(instance, GetSystemMetrics(SM_CXSMICON)),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
  register_class(instance, kTrayWindowClass);
  create(instance, kTrayWindowClass, L"", WS_POPUP, WS_EX_TOOLWINDOW, RECT{0, 0, 0, 0}, nullptr);
  // An elevated copy would otherwise never hear from Explorer, which runs
  // with less privilege.
  if (handle() && taskbar_created_)
    ChangeWindowMessageFilterEx(handle(), taskbar_created_, MSGFLT_ALLOW, nullptr);
}

TrayIconWindow::~TrayIconWindow() {
  // The icon leaves the notification area before the window it names.
  icon_.remove_icon();
  destroy();
}

LRESULT TrayIconWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  // Registered messages have no fixed number to switch on.
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    icon_.taskbar_created();
    return 0;
  }
  switch (message) {
    case kCallbackMessage:
      icon_.notification(static_cast<unsigned>(LOWORD(lparam)));
      return 0;
    case WM_TIMER:
      if (wparam == kCycleTimer) icon_.advance_frame();
      if (wparam == kAddRetryTimer) icon_.retry_add();
      return 0;
    case WM_QUERYENDSESSION:
      // The icon never holds up a log-off.
      return TRUE;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

bool TrayIconWindow::notify_shell(DWORD action, const IconData& icon) {
  if (!handle()) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = handle();
  data.uID = kIconIdentifier;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon.frame ? frames_.frame(*icon.frame) : nullptr;
  const std::wstring tip = win32::widen(icon.tip);
  std::wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
  return Shell_NotifyIconW(action, &data) != FALSE;
}

bool TrayIconWindow::add_icon(const IconData& icon) {
  return notify_shell(NIM_ADD, icon);
}

bool TrayIconWindow::delete_icon(const IconData& icon) {
  return notify_shell(NIM_DELETE, icon);
}

bool TrayIconWindow::modify_icon(const IconData& icon) {
  return notify_shell(NIM_MODIFY, icon);
}

bool TrayIconWindow::show_balloon(const IconData&, const Balloon& balloon) {
  if (!handle()) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = handle();
  data.uID = kIconIdentifier;
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_WARNING;
  const std::wstring title = win32::widen(balloon.title);
  const std::wstring text = win32::widen(balloon.text);
  std::wcsncpy(data.szInfoTitle, title.c_str(), std::size(data.szInfoTitle) - 1);
  std::wcsncpy(data.szInfo, text.c_str(), std::size(data.szInfo) - 1);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void TrayIconWindow::set_cycle_timer(unsigned interval) {
  if (!handle()) return;
  if (interval == 0) {
    KillTimer(handle(), kCycleTimer);
  } else {
    SetTimer(handle(), kCycleTimer, interval, nullptr);
  }
}

void TrayIconWindow::set_add_retry_timer(bool running) {
  if (!handle()) return;
  if (running) {
    SetTimer(handle(), kAddRetryTimer, kAddRetryInterval, nullptr);
  } else {
    KillTimer(handle(), kAddRetryTimer);
  }
}

std::optional<Point> TrayIconWindow::cursor_position() {
  POINT point{};
  if (!GetCursorPos(&point)) return std::nullopt;
  return Point{point.x, point.y};
}

ShiftState TrayIconWindow::key_state() {
  return {key_held(VK_SHIFT), key_held(VK_MENU), key_held(VK_CONTROL), std::nullopt};
}

void TrayIconWindow::show_menu(const TrayMenu& menu, Point at) {
  const win32::UniqueMenu popup(CreatePopupMenu());
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const UINT id = static_cast<UINT>(i + 1);
    AppendMenuW(popup.get(), MF_STRING, id, win32::widen(menu.items[i].caption).c_str());
    if (menu.items[i].is_default) SetMenuDefaultItem(popup.get(), id, FALSE);
  }
  // Without the foreground the menu would stay open after a click
  // elsewhere; the empty message afterwards lets it close at once. A hidden
  // main window cannot come forward, so this window takes its place.
  const HWND foreground = IsWindowVisible(owner_) ? owner_ : handle();
  SetForegroundWindow(foreground);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      popup.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, handle(), nullptr));
  PostMessageW(foreground, WM_NULL, 0, 0);
  if (chosen == 0 || chosen > menu.items.size()) return;
  // A copy: the handler may change the menu.
  const std::function<void()> handler = menu.items[chosen - 1].on_click;
  if (handler) handler();
}

void TrayIconWindow::show_application() {
  if (!IsWindow(owner_)) return;
  const bool iconic = IsIconic(owner_) != FALSE;
  const bool shown_anew = iconic || !IsWindowVisible(owner_);
  ShowWindow(owner_, iconic ? SW_RESTORE : SW_SHOW);
  if (shown_anew) SetForegroundWindow(owner_);
}

void TrayIconWindow::hide_application() {
  if (IsWindow(owner_)) ShowWindow(owner_, SW_HIDE);
}

}  // namespace vantrel::tray
