// The properties panel against the real controls: what a row shows, that
// what the user types reaches the editor exactly, the keys the panel
// handles itself, the icon picker, and that panels leave no handle behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/menu_bar_win32.h"
#include "app/menu_commands.h"
#include "editor/properties_panel_win32.h"
#include "gui_resources.h"
#include "hotkeys/hotkey_list_view_win32.h"
#include "hotkeys/key_table.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

using hotkeys::HotkeyRow;
using testing::gdi_objects;
using testing::user_objects;

// The panel's controls, by identifier.
enum Control : int {
  kEnabled = 1,
  kAlt,
  kControl,
  kShift,
  kKeyList,
  kCodeList,
  kAction,
  kIconButton,
  kPicker,
  kApply,
  kTest,
  kFunctions,
  kBrowse,
  kWin,
  kArguments,
  kStartIn,
};

constexpr RECT kPanelBounds{2, 272, 2 + 538, 272 + 148};

HotkeyRow row(int id, std::string key, bool alt, bool ctrl, bool shift, bool checked, std::string action,
              int image) {
  HotkeyRow r;
  r.alt = alt;
  r.ctrl = ctrl;
  r.shift = shift;
  r.key_name = std::move(key);
  r.action = std::move(action);
  r.id = id;
  r.checked = checked;
  r.image = image;
  return r;
}

int key_position(std::string_view name) {
  const auto keys = hotkeys::key_table();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

class PropertiesPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 560, 380, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    // Shown: the panel's tab order passes over controls that cannot be seen.
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    list_ = std::make_unique<hotkeys::HotkeyListView>(parent_, 100, RECT{2, 45, 540, 273});
    // The first panel of a run loads what every later one shares (the
    // classes' fonts and theme data); counts start after it.
    use_a_panel(0);
  }

  // Everything a user's panel goes through: its icons, a row, the open
  // picker, a paint.
  void use_a_panel(int round) {
    PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
    ASSERT_NE(panel.handle(), nullptr) << "round " << round;
    panel.fill_icon_picker();
    panel.fill(rows_, round % 3);
    SendMessageW(control(panel, kIconButton), BM_CLICK, 0, 0);
    RedrawWindow(panel.handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  void TearDown() override {
    list_.reset();
    if (parent_) DestroyWindow(parent_);
  }

  static HWND control(const PropertiesPanel& panel, int id) { return GetDlgItem(panel.handle(), id); }
  static bool checked(const PropertiesPanel& panel, int id) {
    return SendMessageW(control(panel, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static int selection(const PropertiesPanel& panel, int id) {
    return static_cast<int>(SendMessageW(control(panel, id), CB_GETCURSEL, 0, 0));
  }
  static std::string text(const PropertiesPanel& panel, int id) {
    wchar_t buffer[512] = L"";
    GetWindowTextW(control(panel, id), buffer, 512);
    return win32::narrow(buffer);
  }
  static bool enabled(const PropertiesPanel& panel, int id) {
    return IsWindowEnabled(control(panel, id)) != FALSE;
  }

  HWND parent_ = nullptr;
  std::unique_ptr<hotkeys::HotkeyListView> list_;
  // Identifiers that are no positions; texts beyond ASCII.
  std::vector<HotkeyRow> rows_{
      row(7, "Q", true, false, true, true, "C:\\caf\xC3\xA9\\\xE6\x97\xA5\xE6\x9C\xAC.exe", 5),
      row(3, "F12", false, true, false, false, "b.exe", 51),
      row(9, "/ ?", true, true, true, true, "VolumeUp", 20),
  };
};

TEST_F(PropertiesPanelTest, ShowsTheSelectedRowWithNothingPending) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  panel.fill_icon_picker();
  const struct {
    int selected;
    std::vector<bool> boxes;  // Enabled, Alt, Control, Shift
    const char* key;
    const char* code;
  } cases[] = {
      {0, {true, true, false, true}, "Q", "81"},
      {1, {false, false, true, false}, "F12", "123"},
      {2, {true, true, true, true}, "/ ?", "191"},
  };
  for (const auto& c : cases) {
    const HotkeyRow& shown = rows_[static_cast<std::size_t>(c.selected)];
    panel.fill(rows_, c.selected);
    EXPECT_EQ((std::vector<bool>{checked(panel, kEnabled), checked(panel, kAlt), checked(panel, kControl),
                                 checked(panel, kShift)}),
              c.boxes)
        << c.selected;
    EXPECT_EQ(selection(panel, kKeyList), key_position(c.key)) << c.selected;
    EXPECT_EQ(text(panel, kKeyList), c.key) << c.selected;
    EXPECT_EQ(text(panel, kCodeList), c.code) << c.selected;
    EXPECT_EQ(text(panel, kAction), shown.action) << c.selected;
    EXPECT_EQ(ListView_GetNextItem(control(panel, kPicker), -1, LVNI_SELECTED), shown.image) << c.selected;
    EXPECT_FALSE(enabled(panel, kApply)) << c.selected << ": nothing is pending";
    EXPECT_TRUE(enabled(panel, kAction) && enabled(panel, kTest) && enabled(panel, kBrowse)) << c.selected;
    EXPECT_FALSE(enabled(panel, kCodeList)) << "the code list only shows";
  }

  panel.fill(rows_, 3);
  for (int id :
       {kEnabled, kAlt, kControl, kShift, kKeyList, kAction, kIconButton, kApply, kTest, kFunctions, kBrowse})
    EXPECT_FALSE(enabled(panel, id)) << "control " << id << " of a panel with no row";
  EXPECT_EQ((std::vector<bool>{checked(panel, kEnabled), checked(panel, kAlt), checked(panel, kControl),
                               checked(panel, kShift)}),
            (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(text(panel, kKeyList), "0");
  EXPECT_EQ(text(panel, kCodeList), "48");
  EXPECT_EQ(text(panel, kAction), "");
}

// Users know the button by this caption, misspelt as it is: renaming the
// code behind it never changes what the button says.
TEST_F(PropertiesPanelTest, TheApplyButtonKeepsItsCaptionAplly) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  EXPECT_EQ(text(panel, kApply), " Aplly  ");
}

TEST_F(PropertiesPanelTest, WhatTheUserChangesReachesTheEditorExactly) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  panel.fill(rows_, 1);
  // Typed text with letters from several scripts and one beyond the
  // 16-bit range (a surrogate pair in the control).
  const std::wstring typed = L"D:\\na\u00efve \u65e5\u672c \U0001F600.exe";
  SendMessageW(control(panel, kAction), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  EXPECT_EQ(panel.editor().fields().action, win32::narrow(typed));
  EXPECT_TRUE(enabled(panel, kApply)) << "an edit is pending";

  SendMessageW(control(panel, kShift), BM_CLICK, 0, 0);
  EXPECT_TRUE(panel.editor().fields().shift);
  SendMessageW(control(panel, kEnabled), BM_CLICK, 0, 0);
  EXPECT_TRUE(panel.editor().fields().enabled);

  // Choosing "Num 5" in the key list: the code list follows.
  const HWND keys = control(panel, kKeyList);
  SendMessageW(keys, CB_SETCURSEL, static_cast<WPARAM>(key_position("Num 5")), 0);
  SendMessageW(panel.handle(), WM_COMMAND, MAKEWPARAM(kKeyList, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(keys));
  EXPECT_EQ(panel.editor().key_code(), 101);
  EXPECT_EQ(text(panel, kCodeList), "101");

  // A name from the functions menu replaces the text.
  const auto function = function_for_command(kVolumeMute1);
  ASSERT_TRUE(function);
  panel.set_action(*function);
  EXPECT_EQ(text(panel, kAction), "VolumeMute");
  EXPECT_EQ(function_for_command(kNew1), std::nullopt);
}

// The Windows key's box, the arguments and the start-in folder: shown for
// the row, edited into the editor, in the tab order between the action
// and Apply, and inside the panel's bounds without covering another
// control.
TEST_F(PropertiesPanelTest, WindowsKeyArgumentsAndFolder) {
  std::vector<HotkeyRow> rows = rows_;
  rows[2].win = true;
  rows[2].arguments = "one \"two three\"";
  rows[2].start_in = "%TEMP%\\w";
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  panel.fill(rows, 2);
  EXPECT_TRUE(checked(panel, kWin));
  EXPECT_EQ(text(panel, kArguments), "one \"two three\"");
  EXPECT_EQ(text(panel, kStartIn), "%TEMP%\\w");
  panel.fill(rows, 0);
  EXPECT_FALSE(checked(panel, kWin));
  EXPECT_EQ(text(panel, kArguments), "");
  EXPECT_EQ(text(panel, kStartIn), "");
  EXPECT_FALSE(enabled(panel, kApply));

  SendMessageW(control(panel, kWin), BM_CLICK, 0, 0);
  EXPECT_TRUE(panel.editor().fields().win);
  EXPECT_TRUE(enabled(panel, kApply));
  const std::wstring folder = L"D:\\na\u00efve";
  SendMessageW(control(panel, kStartIn), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  SendMessageW(control(panel, kArguments), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"-x \"a b\""));
  EXPECT_EQ(panel.editor().fields().start_in, win32::narrow(folder));
  EXPECT_EQ(panel.editor().fields().arguments, "-x \"a b\"");

  int applies = 0;
  panel.on_apply = [&] { ++applies; };
  SendMessageW(control(panel, kStartIn), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(applies, 1) << "Enter in the folder box applies";

  SetFocus(control(panel, kAction));
  SendMessageW(control(panel, kAction), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), control(panel, kArguments));
  SendMessageW(control(panel, kArguments), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), control(panel, kStartIn));
  SendMessageW(control(panel, kStartIn), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), control(panel, kApply));
  SetFocus(control(panel, kAlt));
  SendMessageW(control(panel, kAlt), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), control(panel, kWin));

  RECT client{};
  GetClientRect(panel.handle(), &client);
  const auto bounds = [&](int id) {
    RECT r{};
    GetWindowRect(control(panel, id), &r);
    MapWindowPoints(nullptr, panel.handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  for (int id : {kWin, kArguments, kStartIn}) {
    const RECT r = bounds(id);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << id;
    for (int other : {kEnabled, kAlt, kControl, kShift, kKeyList, kAction, kIconButton, kWin, kArguments,
                      kStartIn, kBrowse}) {
      if (other == id) continue;
      RECT overlap{};
      const RECT o = bounds(other);
      EXPECT_FALSE(IntersectRect(&overlap, &r, &o)) << id << " covers " << other;
    }
  }
}

TEST_F(PropertiesPanelTest, EscapeEnterAndTabAreThePanelsOwn) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  int restores = 0;
  int applies = 0;
  std::vector<bool> tabbed_out;
  panel.on_restore = [&] { ++restores; };
  panel.on_apply = [&] { ++applies; };
  panel.on_tab_out = [&](bool backwards) { tabbed_out.push_back(backwards); };
  panel.fill(rows_, 0);
  const HWND action = control(panel, kAction);

  SendMessageW(action, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(applies, 0) << "Enter with nothing pending applies nothing";
  SendMessageW(action, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x.exe"));
  SendMessageW(action, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(applies, 1);
  SendMessageW(control(panel, kAlt), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(restores, 1);

  SendMessageW(control(panel, kBrowse), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(tabbed_out, std::vector<bool>{false}) << "Tab past Browse leaves the panel";
  SendMessageW(control(panel, kEnabled), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(tabbed_out.size(), 1u) << "Tab from Enabled stays inside";
}

TEST_F(PropertiesPanelTest, ThePickerHoldsEveryIconAndAClickChooses) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  panel.fill_icon_picker();
  panel.fill(rows_, 2);
  const HWND picker = control(panel, kPicker);
  EXPECT_EQ(ListView_GetItemCount(picker), hotkeys::kIconCount);
  EXPECT_FALSE(IsWindowVisible(picker));
  SendMessageW(control(panel, kIconButton), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowVisible(picker));
  EXPECT_TRUE(panel.editor().picker_open());

  ListView_SetItemState(picker, 44, LVIS_SELECTED, LVIS_SELECTED);
  NMHDR click{picker, static_cast<UINT_PTR>(kPicker), static_cast<UINT>(NM_CLICK)};
  SendMessageW(panel.handle(), WM_NOTIFY, kPicker, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(panel.editor().fields().icon, 44);
  EXPECT_FALSE(IsWindowVisible(picker));
  EXPECT_TRUE(enabled(panel, kApply));

  panel.fill(rows_, 2);
  EXPECT_EQ(ListView_GetNextItem(picker, -1, LVNI_SELECTED), 20) << "filling shows the row's own icon again";
}

TEST_F(PropertiesPanelTest, ThePickersIconsGrowWithTheListsOnANewDpi) {
  PropertiesPanel panel(parent_, kPanelBounds, list_->icons());
  panel.fill_icon_picker();
  const HWND picker = control(panel, kPicker);
  const auto spacing = [picker] { return LOWORD(ListView_GetItemSpacing(picker, FALSE)); };
  const auto item_width = [picker] {
    RECT icon{};
    ListView_GetItemRect(picker, 3, &icon, LVIR_ICON);
    return static_cast<int>(icon.right - icon.left);
  };
  ASSERT_EQ(spacing(), 32 + 8);

  ASSERT_TRUE(list_->set_dpi(144));
  panel.icons_resized();
  EXPECT_EQ(spacing(), 48 + 12) << "icon and margin at 1.5 times";
  EXPECT_GE(item_width(), 48);
  EXPECT_EQ(ListView_GetItemCount(picker), hotkeys::kIconCount);

  ASSERT_TRUE(list_->set_dpi(96));
  panel.icons_resized();
  EXPECT_EQ(spacing(), 32 + 8);
}

TEST_F(PropertiesPanelTest, AHundredPanelsLeaveNoHandleBehind) {
  const long gdi_before = gdi_objects();
  const long user_before = user_objects();
  for (int i = 0; i < 100; ++i) use_a_panel(i);
  EXPECT_EQ(gdi_objects(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
  EXPECT_EQ(ImageList_GetImageCount(list_->icons()), hotkeys::kIconCount) << "the icons were only borrowed";
}

}  // namespace
}  // namespace vantrel::app
