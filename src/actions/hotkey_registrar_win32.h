#pragma once

#include <windows.h>

#include "actions/registration.h"

namespace vantrel::actions {

// Global hotkeys registered for one window, which receives WM_HOTKEY.
class Win32HotkeyRegistrar : public HotkeyRegistrar {
 public:
  explicit Win32HotkeyRegistrar(HWND window) : window_(window) {}
  bool register_hotkey(int id, unsigned modifiers, int virtual_key) override {
    return RegisterHotKey(window_, id, modifiers, static_cast<UINT>(virtual_key)) != 0;
  }
  void unregister_hotkey(int id) override { UnregisterHotKey(window_, id); }

 private:
  HWND window_;
};

}  // namespace vantrel::actions
