// The window base against the real window manager: which messages reach
// the object, and that the object and its window forget each other however
// the window ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "win32/window.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VantrelWindowBaseTest";
constexpr UINT kProbe = WM_APP + 7;

// Records every message it is given; answers the probe with a value made
// from its arguments, so a reply that never went through it shows.
class RecordingWindow : public Window {
 public:
  explicit RecordingWindow(HWND parent = nullptr, bool refuse_creation = false)
      : refuse_creation_(refuse_creation) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    register_class(instance, kClassName);
    created = create(instance, kClassName, L"", parent ? WS_CHILD : WS_POPUP, 0, RECT{3, 9, 103, 59}, parent);
  }

  bool seen(UINT message) const { return std::count(messages.begin(), messages.end(), message) > 0; }

  bool created = false;
  std::vector<UINT> messages;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override {
    messages.push_back(message);
    if (message == kProbe) return static_cast<LRESULT>(wparam * 100 + static_cast<WPARAM>(lparam));
    if (message == WM_CREATE && refuse_creation_) return -1;
    return Window::on_message(message, wparam, lparam);
  }

  bool refuse_creation_;
};

TEST(WindowBase, MessagesReachTheObjectFromTheFirstOn) {
  RecordingWindow window;
  ASSERT_TRUE(window.created);
  ASSERT_NE(window.handle(), nullptr);
  ASSERT_FALSE(window.messages.empty());
  EXPECT_EQ(window.messages.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_TRUE(window.seen(WM_CREATE));

  EXPECT_EQ(SendMessageW(window.handle(), kProbe, 7, 3), 703);
  EXPECT_EQ(window.messages.back(), kProbe);
  EXPECT_EQ(Window::from(window.handle()), &window);

  RECT bounds{};
  GetWindowRect(window.handle(), &bounds);
  EXPECT_EQ((std::vector<LONG>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
            (std::vector<LONG>{3, 9, 103, 59}))
      << "the default handling still runs";
}

TEST(WindowBase, EachWindowReachesItsOwnObject) {
  RecordingWindow first;
  RecordingWindow second;
  const std::size_t first_count = first.messages.size();
  EXPECT_EQ(SendMessageW(second.handle(), kProbe, 9, 3), 903);
  EXPECT_EQ(first.messages.size(), first_count);
  EXPECT_EQ(Window::from(first.handle()), &first);
  EXPECT_EQ(Window::from(second.handle()), &second);
}

TEST(WindowBase, DestroyingTheWindowUnbindsTheObject) {
  RecordingWindow window;
  const HWND handle = window.handle();
  ASSERT_TRUE(DestroyWindow(handle));
  EXPECT_EQ(window.handle(), nullptr);
  EXPECT_TRUE(window.seen(WM_DESTROY)) << "the object hears its window end";
  EXPECT_FALSE(IsWindow(handle));

  // A window of the same class made afterwards goes to its own object only.
  const std::size_t count = window.messages.size();
  RecordingWindow next;
  SendMessageW(next.handle(), kProbe, 3, 9);
  EXPECT_EQ(window.messages.size(), count);
}

TEST(WindowBase, AWindowDestroyedWithItsParentUnbindsToo) {
  RecordingWindow parent;
  RecordingWindow child(parent.handle());
  const HWND child_handle = child.handle();
  ASSERT_NE(child_handle, nullptr);
  EXPECT_EQ(GetParent(child_handle), parent.handle());

  DestroyWindow(parent.handle());
  EXPECT_EQ(parent.handle(), nullptr);
  EXPECT_EQ(child.handle(), nullptr);
  EXPECT_TRUE(child.seen(WM_DESTROY));
  EXPECT_FALSE(IsWindow(child_handle));
}

TEST(WindowBase, TheObjectsEndDestroysAWindowStillAlive) {
  HWND handle = nullptr;
  {
    RecordingWindow window;
    handle = window.handle();
    ASSERT_TRUE(IsWindow(handle));
  }
  EXPECT_FALSE(IsWindow(handle));

  // A child object that dies before its parent takes its window along and
  // leaves the parent's.
  RecordingWindow parent;
  {
    RecordingWindow child(parent.handle());
    handle = child.handle();
  }
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(GetWindow(parent.handle(), GW_CHILD), nullptr);
  EXPECT_TRUE(IsWindow(parent.handle()));
}

TEST(WindowBase, ARefusedCreationLeavesNoHandle) {
  RecordingWindow window(nullptr, true);
  EXPECT_FALSE(window.created);
  EXPECT_EQ(window.handle(), nullptr);
  EXPECT_TRUE(window.seen(WM_NCCREATE));
}

LRESULT CALLBACK forwarding_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, L"VantrelOriginalProcedure"));
  return CallWindowProcW(original, window, message, wparam, lparam);
}

TEST(WindowBase, FindsOnlyItsOwnObjects) {
  RecordingWindow window;
  // Another class's data in the same slot is no object of ours.
  const HWND other =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetWindowLongPtrW(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
  EXPECT_EQ(Window::from(other), nullptr);
  DestroyWindow(other);
  EXPECT_EQ(Window::from(nullptr), nullptr);

  // A subclassed window of ours (a tooltip does that to a button) is still ours.
  SetPropW(window.handle(), L"VantrelOriginalProcedure",
           reinterpret_cast<HANDLE>(GetWindowLongPtrW(window.handle(), GWLP_WNDPROC)));
  SetWindowLongPtrW(window.handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&forwarding_procedure));
  EXPECT_EQ(Window::from(window.handle()), &window);
  EXPECT_EQ(SendMessageW(window.handle(), kProbe, 3, 7), 307);
  SetWindowLongPtrW(window.handle(), GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(GetPropW(window.handle(), L"VantrelOriginalProcedure")));
  RemovePropW(window.handle(), L"VantrelOriginalProcedure");
}

}  // namespace
}  // namespace vantrel::win32
