// The splash and About windows with the real window functions: where they
// sit, what a click on the splash does, dragging the About window by its
// title strip and its surface, its OK button, and that neither leaves a
// handle behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/about_window_win32.h"
#include "about/splash_window_win32.h"
#include "gui_resources.h"

namespace vantrel::app {
namespace {

HINSTANCE instance() {
  return GetModuleHandleW(nullptr);
}

RECT bounds_of(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

HWND child(HWND window, const wchar_t* class_name, const wchar_t* text) {
  return FindWindowExW(window, nullptr, class_name, text);
}

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// A left click as the window gets it, with the pointer really there (the
// gradient button checks where the pointer is when the button comes up).
void click(HWND window, POINT at) {
  POINT on_screen = at;
  ClientToScreen(window, &on_screen);
  SetCursorPos(on_screen.x, on_screen.y);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  pump();
}

TEST(Splash, CentredOnTopAndHiddenUntilShown) {
  TFormLogo logo(instance());
  ASSERT_NE(logo.handle(), nullptr);
  EXPECT_FALSE(IsWindowVisible(logo.handle()));
  const RECT bounds = bounds_of(logo.handle());
  EXPECT_EQ(bounds.right - bounds.left, 392);
  EXPECT_EQ(bounds.bottom - bounds.top, 99);
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 392) / 2);
  EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 99) / 2);
  EXPECT_TRUE(GetWindowLongPtrW(logo.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NE(child(logo.handle(), ui::TGradientButton::kClassName, L"Loading ..."), nullptr);
}

TEST(Splash, AClickAnywhereOnItHidesIt) {
  TFormLogo logo(instance());
  const HWND bar = child(logo.handle(), ui::TGradientButton::kClassName, L"Loading ...");
  ASSERT_NE(bar, nullptr);
  const struct {
    const char* place;
    bool on_bar;
    POINT at;
  } cases[] = {
      {"front caption", false, {190, 55}},
      {"bare surface", false, {12, 90}},
      {"title strip", true, {300, 12}},
      {"shadow caption's edge", false, {372, 74}},
  };
  for (const auto& c : cases) {
    logo.show();
    ASSERT_TRUE(IsWindowVisible(logo.handle())) << c.place;
    click(c.on_bar ? bar : logo.handle(), c.at);
    EXPECT_FALSE(IsWindowVisible(logo.handle())) << c.place;
  }
}

TEST(About, AtItsPlaceWithItsLinksAndButton) {
  TFormAbout about(instance(), "8.6.4");
  ASSERT_NE(about.handle(), nullptr);
  EXPECT_FALSE(IsWindowVisible(about.handle()));
  const RECT bounds = bounds_of(about.handle());
  EXPECT_EQ(bounds.left, 439);
  EXPECT_EQ(bounds.top, 246);
  EXPECT_EQ(bounds.right - bounds.left, 300);
  EXPECT_EQ(bounds.bottom - bounds.top, 200);
  // The two links show their captions, each as wide as its text, and the
  // hand over them.
  const HWND mail = child(about.handle(), ui::TLinkLabel::kClassName, L"vantrel@example.org");
  const HWND web = child(about.handle(), ui::TLinkLabel::kClassName, L"http://vantrel.example.org");
  ASSERT_NE(mail, nullptr);
  ASSERT_NE(web, nullptr);
  RECT web_bounds = bounds_of(web);
  MapWindowPoints(nullptr, about.handle(), reinterpret_cast<POINT*>(&web_bounds), 2);
  EXPECT_EQ(web_bounds.left, 80);
  EXPECT_EQ(web_bounds.top, 112);
  EXPECT_GT(bounds_of(web).right - bounds_of(web).left, bounds_of(mail).right - bounds_of(mail).left);
  EXPECT_NE(child(about.handle(), ui::TGradientButton::kClassName, L" OK "), nullptr);
}

TEST(About, TheTitleStripAndTheSurfaceDragItByTheMousesTravel) {
  TFormAbout about(instance(), "1.0.0");
  const HWND bar = child(about.handle(), ui::TGradientButton::kClassName, L"About");
  ASSERT_NE(bar, nullptr);
  const struct {
    const char* place;
    HWND window;
    UINT press;
    POINT from;
    POINT to;
  } cases[] = {
      {"title strip", bar, WM_LBUTTONDOWN, {150, 10}, {171, 3}},
      {"surface", about.handle(), WM_LBUTTONDOWN, {150, 140}, {130, 151}},
      // Any button's press sets where the drag starts from.
      {"surface, right press", about.handle(), WM_RBUTTONDOWN, {40, 180}, {47, 190}},
  };
  for (const auto& c : cases) {
    const RECT before = bounds_of(about.handle());
    SendMessageW(c.window, c.press, 0, MAKELPARAM(c.from.x, c.from.y));
    SendMessageW(c.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.to.x, c.to.y));
    const RECT after = bounds_of(about.handle());
    EXPECT_EQ(after.left - before.left, c.to.x - c.from.x) << c.place;
    EXPECT_EQ(after.top - before.top, c.to.y - c.from.y) << c.place;
    SendMessageW(c.window, WM_LBUTTONUP, 0, 0);
    // Without the left button held, a move leaves it where it is.
    SendMessageW(c.window, c.press, 0, MAKELPARAM(c.from.x, c.from.y));
    SendMessageW(c.window, WM_MOUSEMOVE, 0, MAKELPARAM(c.to.x + 9, c.to.y + 9));
    EXPECT_EQ(bounds_of(about.handle()).left, after.left) << c.place;
    EXPECT_EQ(bounds_of(about.handle()).top, after.top) << c.place;
  }
}

TEST(About, OkHidesTheWindow) {
  TFormAbout about(instance(), "1.0.0");
  about.show();
  ASSERT_TRUE(IsWindowVisible(about.handle()));
  const HWND ok = child(about.handle(), ui::TGradientButton::kClassName, L" OK ");
  ASSERT_NE(ok, nullptr);
  click(ok, {50, 12});
  EXPECT_FALSE(IsWindowVisible(about.handle()));
  // Shown again, it is the same window.
  about.show();
  EXPECT_TRUE(IsWindowVisible(about.handle()));
}

TEST(AboutAndSplash, LeaveNoHandleBehind) {
  const auto make_both = [] {
    TFormLogo logo(instance());
    TFormAbout about(instance(), "1.0.0");
    const ColourScheme red = colour_scheme("Red");
    logo.apply_colour_scheme(red);
    about.apply_colour_scheme(red);
    about.apply_quality(ui::TGradientQuality::bqHigh);
    logo.show();
    about.show();
    pump();
  };
  make_both();
  const long gdi = testing::gdi_objects();
  const long user = testing::user_objects();
  for (int i = 0; i < 30; ++i) make_both();
  EXPECT_EQ(testing::gdi_objects(), gdi);
  EXPECT_EQ(testing::user_objects(), user);
}

}  // namespace
}  // namespace vantrel::app
