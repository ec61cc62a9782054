// Dragging a window by a watched control, with the real window functions:
// which presses and moves shift the window, and that a control outliving
// the watch is left alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "frame/body_drag_win32.h"

namespace vantrel::app {
namespace {

class Windows {
 public:
  Windows()
      : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 200, 150, 300, 200, nullptr, nullptr, nullptr,
                                nullptr)),
        control_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 40, 100, 50, window_, nullptr,
                                 nullptr, nullptr)) {}
  ~Windows() { DestroyWindow(window_); }
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  HWND window() const { return window_; }
  HWND control() const { return control_; }
  POINT origin() const {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    return {bounds.left, bounds.top};
  }

 private:
  HWND window_;
  HWND control_;
};

LPARAM at(int x, int y) {
  return MAKELPARAM(x, y);
}

TEST(BodyDrag, APressThenAMoveWithTheLeftButtonShiftsTheWindow) {
  const struct {
    bool easy_move;
    WPARAM buttons;
    bool moves;
  } cases[] = {
      {true, MK_LBUTTON, true},
      {false, MK_LBUTTON, false},
      {true, 0, false},
      {true, MK_RBUTTON, false},
  };
  for (const auto& c : cases) {
    const Windows windows;
    ASSERT_NE(windows.control(), nullptr);
    bool easy_move = c.easy_move;
    int moves_seen = 0;
    BodyDrag drag(windows.window(), [&easy_move] { return easy_move; });
    drag.on_mouse_move = [&moves_seen] { ++moves_seen; };
    drag.watch(windows.control());

    SendMessageW(windows.control(), WM_LBUTTONDOWN, MK_LBUTTON, at(20, 30));
    SendMessageW(windows.control(), WM_MOUSEMOVE, c.buttons, at(35, 24));
    const POINT origin = windows.origin();
    const POINT expected = c.moves ? POINT{215, 144} : POINT{200, 150};
    EXPECT_EQ(origin.x, expected.x) << c.easy_move << ' ' << c.buttons;
    EXPECT_EQ(origin.y, expected.y) << c.easy_move << ' ' << c.buttons;
    // Every move over the body is told, whatever the option and the buttons.
    EXPECT_EQ(moves_seen, 1);
  }
}

TEST(BodyDrag, TheWindowsOwnSurfaceDragsByTheSameRule) {
  const Windows windows;
  BodyDrag drag(windows.window(), [] { return true; });
  drag.form_mouse_down({100, 5});
  drag.form_mouse_move({90, 25}, true);
  EXPECT_EQ(windows.origin().x, 190);
  EXPECT_EQ(windows.origin().y, 170);
  // The same position again: the window moved with the pointer, so nothing
  // more happens.
  drag.form_mouse_move({100, 5}, true);
  EXPECT_EQ(windows.origin().x, 190);
  EXPECT_EQ(windows.origin().y, 170);
}

TEST(BodyDrag, AControlOutlivingItsWatchGoesOnAlone) {
  const Windows windows;
  int moves_seen = 0;
  auto drag = std::make_unique<BodyDrag>(windows.window(), [] { return true; });
  drag->on_mouse_move = [&moves_seen] { ++moves_seen; };
  drag->watch(windows.control());
  SendMessageW(windows.control(), WM_MOUSEMOVE, 0, at(5, 5));
  EXPECT_EQ(moves_seen, 1);
  drag.reset();
  SendMessageW(windows.control(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
  SendMessageW(windows.control(), WM_MOUSEMOVE, MK_LBUTTON, at(50, 50));
  EXPECT_EQ(moves_seen, 1);
  EXPECT_EQ(windows.origin().x, 200);
}

TEST(BodyDrag, AControlWatchedTwiceIsToldOnce) {
  const Windows windows;
  int moves_seen = 0;
  BodyDrag drag(windows.window(), [] { return true; });
  drag.on_mouse_move = [&moves_seen] { ++moves_seen; };
  drag.watch(windows.control());
  drag.watch(windows.control());
  SendMessageW(windows.control(), WM_MOUSEMOVE, 0, at(5, 5));
  EXPECT_EQ(moves_seen, 1);
}

}  // namespace
}  // namespace vantrel::app
