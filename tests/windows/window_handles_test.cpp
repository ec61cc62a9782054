// The program's own windows release every GDI and USER object they make,
// painted or not, whichever ends first: the object or its parent window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui_resources.h"
#include "osd/overlay_win32.h"
#include "ui/gradient_button_win32.h"

namespace vantrel {
namespace {

using testing::gdi_objects;
using testing::user_objects;

HWND make_parent() {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                         nullptr);
}

// A button with every cached image and a glyph, painted once.
std::unique_ptr<ui::TGradientButton> painted_button(HWND parent) {
  auto button = std::make_unique<ui::TGradientButton>(parent, 7, L"&Seven", RECT{3, 9, 103, 34});
  const HBITMAP glyph = CreateBitmap(16, 16, 1, 32, nullptr);
  button->set_glyph(glyph);  // copied: the original stays ours
  DeleteObject(glyph);
  button->set_quality(ui::TGradientQuality::bqHigh);
  RedrawWindow(button->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EnableWindow(button->handle(), FALSE);  // the grey glyph is made for this paint
  RedrawWindow(button->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return button;
}

TEST(WindowHandles, GradientButtonsLeaveNothingBehind) {
  const HWND parent = make_parent();
  ASSERT_NE(parent, nullptr);
  painted_button(parent);  // the first paint loads what later ones share
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 30; ++i) {
    const auto button = painted_button(parent);
    ASSERT_NE(button->handle(), nullptr);
    ASSERT_GT(button->gradient_builds(), 0);
  }
  EXPECT_EQ(gdi_objects(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);

  // Buttons whose parent went first.
  auto button = painted_button(parent);
  DestroyWindow(parent);
  EXPECT_EQ(button->handle(), nullptr);
  button.reset();
  EXPECT_LT(user_objects(), user_before) << "the parent is gone too";
  EXPECT_EQ(gdi_objects(), gdi_before);
}

TEST(WindowHandles, TheDisplaysOverlayLeavesNothingBehind) {
  // Every drawing call makes and frees its own objects but the fonts, which
  // the overlay keeps until it goes, and the clear frees the surface;
  // showing the window adds none (and hiding a shown one takes Wine
  // seconds), so it stays hidden.
  const osd::FontSpec font{"Arial", 19, base::rgb(30, 70, 90)};
  const auto paint = [&font](osd::OverlayWindow& overlay) {
    ASSERT_TRUE(overlay.begin(osd::ShowOn::primary));
    EXPECT_GT(overlay.text_extent(font, "Volume").width, 0);
    overlay.draw_text(font, {30, 70}, "Volume");
    overlay.rectangle({30, 90, 130, 99}, base::rgb(90, 30, 70), osd::Pen{base::kBlack, 3});
    overlay.rectangle({30, 90, 130, 99}, base::rgb(70, 90, 30), std::nullopt);
    overlay.rounded_rectangle({7, 3, 9 + 100, 3 + 40}, 9, std::nullopt, osd::Pen{});
    overlay.rounded_rectangle({7, 3, 9 + 100, 3 + 40}, 9, base::rgb(9, 7, 3), osd::Pen{});
    overlay.restart(60000);
    overlay.clear();
  };
  {
    osd::OverlayWindow first(GetModuleHandleW(nullptr));
    paint(first);
  }
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 10; ++i) {
    osd::OverlayWindow overlay(GetModuleHandleW(nullptr));
    ASSERT_NE(overlay.handle(), nullptr);
    paint(overlay);
    paint(overlay);
  }
  EXPECT_EQ(gdi_objects(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
}

}  // namespace
}  // namespace vantrel
