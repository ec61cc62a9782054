// Laying windows out at another DPI with the real window functions: the
// generic layout of a window's controls and fonts, and the Options, About
// and splash windows taking WM_DPICHANGED as the system sends it when a
// window moves to a screen of another DPI (Wine under Xvfb never sends
// it), the main window with its list, icons and panel too. Each goes back to its exact 96-DPI layout, and no
// round trip leaves a handle behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "about/about_layout.h"
#include "about/about_window_win32.h"
#include "about/splash_window_win32.h"
#include "app/main_window_win32.h"
#include "audio/volume_control.h"
#include "base/dpi.h"
#include "gui_resources.h"
#include "hotkeys/hotkey_record.h"
#include "memory_storage.h"
#include "options/options_controls.h"
#include "options/options_window_win32.h"
#include "osd/display.h"
#include "settings/stored_settings.h"
#include "ui/gradient_button_win32.h"
#include "ui/link_label_win32.h"
#include "win32/dpi.h"
#include "win32/handles.h"

// For comparing places in expectations: RECT lives in the global namespace,
// where the comparison must be for the checks to find it.
inline bool operator==(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

namespace vantrel::app {
namespace {

HINSTANCE instance() {
  return GetModuleHandleW(nullptr);
}

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

RECT bounds_of(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

// A control's place in its parent's client area.
RECT place_of(HWND control) {
  RECT bounds = bounds_of(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

// Every window inside a window: its class and place, one per line.
std::string places_of_children(HWND window) {
  std::string places;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        if (!win32::Window::from(GetParent(child)) && GetParent(child) != GetAncestor(child, GA_ROOT))
          return TRUE;
        char name[64] = "";
        GetClassNameA(child, name, 64);
        const RECT at = place_of(child);
        char line[160];
        std::snprintf(line, sizeof line, "%s %ld %ld %ld %ld\n", name, at.left, at.top, at.right, at.bottom);
        *reinterpret_cast<std::string*>(list) += line;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&places));
  return places;
}

// The system's message: the new DPI in both words of wparam, the rectangle
// it suggests in lparam.
void send_dpi_changed(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  pump();
}

long font_height(HWND control) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW look{};
  return font && GetObjectW(font, sizeof look, &look) ? look.lfHeight : 0;
}

// A plain window with a few kinds of control on it, made at 96-DPI places.
struct Form {
  static constexpr wchar_t kClass[] = L"VantrelDpiTestForm";
  HWND window = nullptr;
  win32::UniqueGdi<HFONT> font{
      CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif")};
  HWND check_box = nullptr;
  HWND combo = nullptr;
  std::unique_ptr<ui::TGradientButton> button;
  std::unique_ptr<ui::TLinkLabel> link;

  Form() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = instance();
    window_class.lpszClassName = kClass;
    RegisterClassW(&window_class);
    window =
        CreateWindowExW(0, kClass, L"", WS_POPUP, 10, 10, 400, 300, nullptr, nullptr, instance(), nullptr);
    check_box = CreateWindowExW(0, L"BUTTON", L"Box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 12, 7, 101, 17,
                                window, nullptr, instance(), nullptr);
    combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 130, 9, 57, 201,
                            window, nullptr, instance(), nullptr);
    for (const HWND control : {check_box, combo})
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    button = std::make_unique<ui::TGradientButton>(window, 7, L"Apply", RECT{203, 35, 303, 61});
    button->set_font(font.get());
    link = std::make_unique<ui::TLinkLabel>(window, 9, POINT{33, 71}, font.get());
    link->set_caption("www.example.org");
  }
  ~Form() {
    button.reset();
    link.reset();
    DestroyWindow(window);
  }
};

TEST(DpiLayout, ScalesEveryControlAndItsFontAndComesBackExactly) {
  Form form;
  const std::string designed = places_of_children(form.window);
  const RECT link_at_96 = place_of(form.link->handle());
  win32::DpiLayout layout;
  layout.capture(form.window);

  layout.apply(144);
  EXPECT_EQ(place_of(form.check_box), (RECT{18, 11, 170, 36}));  // 10.5 and 169.5 up
  EXPECT_EQ(place_of(form.button->handle()), (RECT{305, 53, 455, 92}));
  RECT dropped{};
  SendMessageW(form.combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(place_of(form.combo).left, 195);
  EXPECT_EQ(place_of(form.combo).right, 281);
  // The open list about as long as designed (177 here under Wine, which
  // counts the list alone), scaled: not cut to the closed part's height.
  EXPECT_GE(dropped.bottom - dropped.top, 230);
  for (const HWND control : {form.check_box, form.combo, form.button->handle()})
    EXPECT_EQ(font_height(control), -17);  // 16.5 away from zero
  // The link keeps its place and grows with its font.
  const RECT link = place_of(form.link->handle());
  EXPECT_EQ(link.left, 50);
  EXPECT_EQ(link.top, 107);
  EXPECT_GT(link.right - link.left, (link_at_96.right - link_at_96.left) * 4 / 3);

  layout.apply(96);
  EXPECT_EQ(places_of_children(form.window), designed);
  for (const HWND control : {form.check_box, form.combo, form.button->handle()})
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), form.font.get());
}

TEST(DpiLayout, APlacedControlKeepsItsPlaceForTheNextDpi) {
  Form form;
  win32::DpiLayout layout;
  layout.capture(form.window);
  layout.apply(120);
  layout.place(form.check_box, RECT{40, 200, 140, 216});
  EXPECT_EQ(place_of(form.check_box), (RECT{50, 250, 175, 270}));
  layout.apply(192);
  EXPECT_EQ(place_of(form.check_box), (RECT{80, 400, 280, 432}));
  layout.apply(96);
  EXPECT_EQ(place_of(form.check_box), (RECT{40, 200, 140, 216}));
}

TEST(DpiLayout, ManyDpiChangesLeaveNoFontBehind) {
  Form form;
  win32::DpiLayout layout;
  layout.capture(form.window);
  layout.apply(144);
  layout.apply(96);
  const long gdi = testing::gdi_objects();
  for (const int dpi : {120, 144, 168, 192, 240, 96, 144, 96}) layout.apply(dpi);
  EXPECT_EQ(testing::gdi_objects(), gdi);
}

constexpr int kTableIds[] = {kCheckBoxEasyMove, kTrackBarMainAlpha, kComboBoxColorScheme, kEditOSDY};

TEST(DpiChanged, OptionsWindowTakesTheSuggestedPlaceAndItsScaledSize) {
  testing::MemoryStorage storage;
  StoredSettings settings{storage, "S.ini", ScreenSize{1024, 768}};
  TFormOptions options{instance(), settings};
  const HWND window = options.handle();
  const std::string designed = places_of_children(window);
  const RECT ok_at_96 = place_of(options.gradient_button(kButtonOK)->handle());
  std::vector<RECT> table_at_96;
  for (const int id : kTableIds) table_at_96.push_back(place_of(options.control(id)));
  // The system suggests a place and a size of its own; the window keeps
  // the place and sizes itself from its design.
  send_dpi_changed(window, 144, RECT{100, 80, 100 + 700, 80 + 400});
  const RECT bounds = bounds_of(window);
  EXPECT_EQ(bounds.left, 100);
  EXPECT_EQ(bounds.top, 80);
  EXPECT_EQ(bounds.right - bounds.left, 738);
  EXPECT_EQ(bounds.bottom - bounds.top, 410);
  // Controls of the table at their places scaled, on the first page and
  // hidden on others; a combo box's closed height comes from its font.
  for (std::size_t i = 0; i < std::size(kTableIds); ++i) {
    const RECT expected = base::scale_rect(table_at_96[i], 144);
    const RECT now = place_of(options.control(kTableIds[i]));
    EXPECT_EQ(now.left, expected.left) << kTableIds[i];
    EXPECT_EQ(now.top, expected.top) << kTableIds[i];
    EXPECT_EQ(now.right, expected.right) << kTableIds[i];
    if (kTableIds[i] != kComboBoxColorScheme) {
      EXPECT_EQ(now.bottom, expected.bottom) << kTableIds[i];
    }
  }
  const RECT ok = place_of(options.gradient_button(kButtonOK)->handle());
  EXPECT_EQ(ok.left, (ok_at_96.left * 3 + 1) / 2);
  EXPECT_EQ(ok.right, (ok_at_96.right * 3 + 1) / 2);
  EXPECT_EQ(ok.bottom - ok.top, 39);  // 26 high at 96 DPI
  EXPECT_LE(ok.bottom, 410);

  send_dpi_changed(window, 96, RECT{100, 80, 100 + 492, 80 + 273});
  EXPECT_EQ(bounds_of(window), (RECT{100, 80, 100 + 492, 80 + 273}));
  EXPECT_EQ(places_of_children(window), designed);
}

TEST(DpiChanged, AboutAndSplashScaleTheirControlsAndComeBack) {
  TFormAbout about(instance(), "1.0.0");
  TFormLogo logo(instance());
  const HWND ok = FindWindowExW(about.handle(), nullptr, ui::TGradientButton::kClassName, L" OK ");
  ASSERT_NE(ok, nullptr);
  const std::string about_designed = places_of_children(about.handle());
  const std::string logo_designed = places_of_children(logo.handle());

  const struct {
    int dpi;
    SIZE about;
    RECT ok;
    SIZE logo;
  } cases[] = {
      {192, {600, 400}, {200, 324, 400, 374}, {784, 198}},
      {120, {375, 250}, {125, 203, 250, 234}, {490, 124}},  // 202.5, 233.75, 123.75
      {144, {450, 300}, {150, 243, 300, 281}, {588, 149}},
  };
  for (const auto& c : cases) {
    send_dpi_changed(about.handle(), c.dpi, RECT{30, 40, 31, 41});
    send_dpi_changed(logo.handle(), c.dpi, RECT{50, 60, 51, 61});
    const RECT about_bounds = bounds_of(about.handle());
    EXPECT_EQ(about_bounds.right - about_bounds.left, c.about.cx) << c.dpi;
    EXPECT_EQ(about_bounds.bottom - about_bounds.top, c.about.cy) << c.dpi;
    EXPECT_EQ(about_bounds.left, 30) << c.dpi;
    EXPECT_EQ(place_of(ok), c.ok) << c.dpi;
    const RECT logo_bounds = bounds_of(logo.handle());
    EXPECT_EQ(logo_bounds.right - logo_bounds.left, c.logo.cx) << c.dpi;
    EXPECT_EQ(logo_bounds.bottom - logo_bounds.top, c.logo.cy) << c.dpi;
    EXPECT_EQ(logo_bounds.top, 60) << c.dpi;
  }
  send_dpi_changed(about.handle(), 96, RECT{30, 40, 31, 41});
  send_dpi_changed(logo.handle(), 96, RECT{50, 60, 51, 61});
  EXPECT_EQ(places_of_children(about.handle()), about_designed);
  EXPECT_EQ(places_of_children(logo.handle()), logo_designed);
}

TEST(DpiChanged, RoundTripsLeaveNoHandleBehind) {
  TFormAbout about(instance(), "1.0.0");
  const auto round_trip = [&] {
    for (const int dpi : {144, 192, 96}) send_dpi_changed(about.handle(), dpi, RECT{30, 40, 31, 41});
  };
  round_trip();
  const long gdi = testing::gdi_objects();
  const long user = testing::user_objects();
  for (int i = 0; i < 10; ++i) round_trip();
  EXPECT_EQ(testing::gdi_objects(), gdi);
  EXPECT_EQ(testing::user_objects(), user);
}

// The main window's services, unused here: the test never runs its
// start-up tick nor presses a hotkey.
class NoDisplay : public osd::Display {
 public:
  void show_text(const std::string&) override {}
  std::optional<std::string> show_volume_progress(double, double) override { return std::nullopt; }
  void clear() override {}
};
class NoVolume : public audio::VolumeControl {
 public:
  void raise() override {}
  void lower() override {}
  audio::Levels read() override { return {}; }
  bool toggle_mute() override { return false; }
};

int icon_size(HIMAGELIST icons) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(icons, &width, &height);
  return width;
}

TEST(DpiChanged, MainWindowScalesItsFrameListIconsAndPanelAndComesBack) {
  testing::MemoryStorage storage;
  StoredSettings settings{storage, "S.ini", ScreenSize{1024, 768}};
  NoDisplay display;
  NoVolume volume;
  {
    MainWindow main_window(instance(), settings, display, volume);
    const HWND window = main_window.handle();
    ASSERT_NE(window, nullptr);
    const HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_NE(list, nullptr);
    const HWND panel = FindWindowExW(window, nullptr, L"TGroupBox", nullptr);
    ASSERT_NE(panel, nullptr);
    const HWND picker = FindWindowExW(panel, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_NE(picker, nullptr);
    const HIMAGELIST icons = ListView_GetImageList(list, LVSIL_SMALL);
    ASSERT_EQ(icon_size(icons), 32);
    const std::string designed = places_of_children(window);
    const RECT designed_bounds = bounds_of(window);
    const RECT list_at_96 = place_of(list);

    send_dpi_changed(window, 144, RECT{40, 30, 41, 31});
    const RECT bounds = bounds_of(window);
    EXPECT_EQ(bounds.left, 40);
    EXPECT_EQ(bounds.top, 30);
    EXPECT_EQ(bounds.right - bounds.left, 813);  // 542 at 96 DPI
    EXPECT_EQ(bounds.bottom - bounds.top, 633);  // 422
    EXPECT_EQ(place_of(list), base::scale_rect(list_at_96, 144));
    EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), icons) << "the same icons, made again";
    EXPECT_EQ(icon_size(icons), 48);
    EXPECT_EQ(ImageList_GetImageCount(icons), hotkeys::kIconCount);
    EXPECT_EQ(LOWORD(ListView_GetItemSpacing(picker, FALSE)), 48 + 12) << "the picker's icons and margin";

    send_dpi_changed(
        window, 96,
        RECT{designed_bounds.left, designed_bounds.top, designed_bounds.left + 1, designed_bounds.top + 1});
    EXPECT_EQ(places_of_children(window), designed);
    EXPECT_EQ(bounds_of(window), designed_bounds);
    EXPECT_EQ(icon_size(icons), 32);
    EXPECT_EQ(LOWORD(ListView_GetItemSpacing(picker, FALSE)), 32 + 8);
  }
  // The window ends the message loop as it goes; no later test must see that.
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace
}  // namespace vantrel::app
