// The registrar against the system's own hotkey table.
#include "actions/hotkey_registrar_win32.h"

#include <gtest/gtest.h>

#include "hotkeys/hotkey_record.h"

namespace vantrel::actions {
namespace {

class Window {
 public:
  Window()
      : handle_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~Window() { DestroyWindow(handle_); }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  HWND get() const { return handle_; }

 private:
  HWND handle_;
};

TEST(HotkeyRegistrar, OneHolderPerCombinationUntilReleased) {
  Window first_window;
  Window second_window;
  Win32HotkeyRegistrar first(first_window.get());
  Win32HotkeyRegistrar second(second_window.get());
  const unsigned alt_ctrl_shift = hotkeys::kModAlt | hotkeys::kModControl | hotkeys::kModShift;
  ASSERT_TRUE(first.register_hotkey(7, alt_ctrl_shift, VK_F11));
  EXPECT_FALSE(second.register_hotkey(1, alt_ctrl_shift, VK_F11)) << "taken by another window";
  EXPECT_TRUE(second.register_hotkey(1, alt_ctrl_shift, VK_F12));
  first.unregister_hotkey(7);
  first.unregister_hotkey(99);  // never registered: harmless
  EXPECT_TRUE(second.register_hotkey(2, alt_ctrl_shift, VK_F11)) << "released";
  second.unregister_hotkey(1);
  second.unregister_hotkey(2);
}

}  // namespace
}  // namespace vantrel::actions
