// The hotkey list control against the real common controls: every handle
// it makes is released once, whichever of the control and the object ends
// first.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "gui_resources.h"
#include "hotkeys/hotkey_list_view_win32.h"

namespace vantrel::hotkeys {
namespace {

using testing::gdi_objects;
using testing::user_objects;

HotkeyRow row(int id, int image, bool checked) {
  HotkeyRow r;
  r.key_name = "F" + std::to_string(id);
  r.action = "notepad.exe";
  r.id = id;
  r.image = image;
  r.checked = checked;
  return r;
}

class HotkeyListViewTest : public ::testing::Test {
 protected:
  static constexpr int kControlId = 7;
  static constexpr RECT kBounds{3, 9, 403, 209};

  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 500, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    // The first control of a run loads what every later one shares (the
    // class's fonts and theme data); counts start after it.
    HotkeyListView warm_up(parent_, kControlId, kBounds);
    warm_up.show(rows_);
  }
  void TearDown() override {
    if (parent_) DestroyWindow(parent_);
  }

  HWND parent_ = nullptr;
  std::vector<HotkeyRow> rows_{row(7, 3, true), row(3, 9, false), row(9, 7, true)};
};

TEST_F(HotkeyListViewTest, AHundredControlsLeaveNoHandleBehind) {
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 100; ++i) {
    HWND control = nullptr;
    {
      HotkeyListView list(parent_, kControlId, kBounds);
      control = list.handle();
      ASSERT_NE(control, nullptr) << "round " << i;
      ASSERT_EQ(GetParent(control), parent_);
      ASSERT_EQ(ImageList_GetImageCount(ListView_GetImageList(control, LVSIL_SMALL)), kIconCount);
      list.show(rows_);
      ASSERT_EQ(ListView_GetItemCount(control), 3);
    }
    ASSERT_FALSE(IsWindow(control)) << "round " << i << ": the object's end takes the control along";
  }
  const long gdi_after = gdi_objects();
  const long user_after = user_objects();
  std::printf("GDI objects %ld before, %ld after; USER objects %ld before, %ld after\n", gdi_before,
              gdi_after, user_before, user_after);
  EXPECT_EQ(gdi_after, gdi_before);
  EXPECT_EQ(user_after, user_before);
  EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
}

TEST_F(HotkeyListViewTest, AControlItsParentDestroysLeavesTheIconsToTheObject) {
  const long gdi_before = gdi_objects();
  auto list = std::make_unique<HotkeyListView>(parent_, kControlId, kBounds);
  const HIMAGELIST icons = ListView_GetImageList(list->handle(), LVSIL_SMALL);
  ASSERT_NE(icons, nullptr);

  DestroyWindow(parent_);
  parent_ = nullptr;
  EXPECT_EQ(list->handle(), nullptr) << "the object forgets a control that is gone";
  EXPECT_EQ(ImageList_GetImageCount(icons), kIconCount) << "the control only borrowed the icons";

  list.reset();
  EXPECT_EQ(gdi_objects(), gdi_before) << "the object released them";
}

TEST_F(HotkeyListViewTest, ShowsEachRowWithItsIconAndCheckBox) {
  HotkeyListView list(parent_, kControlId, kBounds);
  list.show(rows_);
  std::vector<int> images;
  for (int i = 0; i < ListView_GetItemCount(list.handle()); ++i) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = i;
    ListView_GetItem(list.handle(), &item);
    images.push_back(item.iImage);
  }
  EXPECT_EQ(images, (std::vector<int>{3, 9, 7}));

  ListView_SetCheckState(list.handle(), 1, TRUE);
  ListView_SetCheckState(list.handle(), 2, FALSE);
  list.read_checks(rows_);
  EXPECT_EQ((std::vector<bool>{rows_[0].checked, rows_[1].checked, rows_[2].checked}),
            (std::vector<bool>{true, true, false}));
}

TEST_F(HotkeyListViewTest, ANewDpiMakesTheIconsAgainInTheSameListAndTheRowsFollow) {
  HotkeyListView list(parent_, kControlId, kBounds);
  list.show(rows_);
  const HIMAGELIST icons = list.icons();
  const auto icon_size = [icons] {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(icons, &width, &height);
    return width;
  };
  const auto row_height = [&list] {
    RECT bounds{};
    ListView_GetItemRect(list.handle(), 1, &bounds, LVIR_BOUNDS);
    return static_cast<int>(bounds.bottom - bounds.top);
  };
  ASSERT_EQ(icon_size(), 32);
  const int height_at_96 = row_height();

  EXPECT_TRUE(list.set_dpi(144));
  EXPECT_EQ(list.icons(), icons) << "whoever borrows the icons keeps a good handle";
  EXPECT_EQ(ListView_GetImageList(list.handle(), LVSIL_SMALL), icons);
  EXPECT_EQ(icon_size(), 48);
  EXPECT_EQ(ImageList_GetImageCount(icons), kIconCount);
  EXPECT_GE(row_height(), 48) << "the rows make room for the larger icons";
  EXPECT_FALSE(list.set_dpi(144)) << "the same DPI again changes nothing";

  EXPECT_TRUE(list.set_dpi(96));
  EXPECT_EQ(icon_size(), 32);
  EXPECT_EQ(row_height(), height_at_96);
}

}  // namespace
}  // namespace vantrel::hotkeys
