// Use that repeats all day leaves no GDI or USER object behind: a thousand
// paints of the on-screen display, and the Options and About windows opened
// and closed a hundred times. Counted after first rounds, which make what
// is kept for later (fonts, cached images).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/about_window_win32.h"
#include "gui_resources.h"
#include "memory_storage.h"
#include "options/options_window_win32.h"
#include "osd/overlay_win32.h"
#include "settings/stored_settings.h"

namespace vantrel {
namespace {

using testing::gdi_objects;
using testing::user_objects;

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(RepeatedUse, AThousandDisplayPaintsHoldNoMoreObjects) {
  osd::OverlayWindow overlay(GetModuleHandleW(nullptr));
  ASSERT_NE(overlay.handle(), nullptr);
  const osd::FontSpec font{"Arial", 19, base::rgb(30, 70, 90)};
  // What a volume key paints: the text with its figure, the bar's frame
  // and its fill.
  const auto paint = [&](int level) {
    ASSERT_TRUE(overlay.begin(osd::ShowOn::primary));
    overlay.draw_text(font, {30, 70}, "Volume " + std::to_string(level));
    overlay.rectangle({30, 100, 854, 120}, base::rgb(0, 0, 0), osd::Pen{base::kBlack, 1});
    overlay.rectangle({31, 101, 31 + level * 8, 119}, base::rgb(0, 255, 0), std::nullopt);
    overlay.end();
  };
  paint(50);
  overlay.clear();
  pump();
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 1000; ++i) {
    paint(i % 101);
    if (i % 50 == 0) pump();
  }
  overlay.clear();
  pump();
  EXPECT_EQ(gdi_objects(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
}

TEST(RepeatedUse, OpeningOptionsAndAboutAHundredTimesHoldsNoMoreObjects) {
  vantrel::testing::MemoryStorage storage;
  app::StoredSettings settings{storage, "S.ini", app::ScreenSize{1024, 768}};
  app::TFormOptions options{GetModuleHandleW(nullptr), settings};
  app::TFormAbout about{GetModuleHandleW(nullptr), "1.0.0"};
  const auto open_and_close = [&] {
    options.show();
    pump();
    SendMessageW(options.handle(), WM_CLOSE, 0, 0);
    about.show();
    pump();
    about.close();
    pump();
  };
  // The first rounds make what the windows keep (images for a focused or
  // hovered control): a hundred more must add nothing.
  for (int i = 0; i < 10; ++i) open_and_close();
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 100; ++i) {
    open_and_close();
    ASSERT_FALSE(IsWindowVisible(options.handle()));
    ASSERT_FALSE(IsWindowVisible(about.handle()));
  }
  EXPECT_EQ(gdi_objects(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
}

}  // namespace
}  // namespace vantrel
