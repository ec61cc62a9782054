#include "hotkeys/hotkey_list_view_win32.h"

#include <windowsx.h>

#include "base/dpi.h"
#include "hotkeys/hotkey_icons_win32.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::hotkeys {
namespace {

constexpr UINT_PTR kWatchId = 1;

}  // namespace

HotkeyListView::HotkeyListView(HWND parent, int control_id, RECT bounds, HINSTANCE pictures)
    : pictures_(pictures ? pictures : GetModuleHandleW(nullptr)),
      dpi_(win32::system_dpi()),
      icons_(load_hotkey_icons(pictures_, hotkey_icon_size(dpi_))) {
  list_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), nullptr, nullptr);
  if (!list_) return;
  SetWindowSubclass(list_, watch_control, kWatchId, reinterpret_cast<DWORD_PTR>(this));
  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  check_boxes_.reset(ListView_GetImageList(list_, LVSIL_STATE));
  ListView_SetImageList(list_, icons_.get(), LVSIL_SMALL);
  for (int i = 0; i < kColumnCount; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_FMT;
    column.fmt = kColumns[static_cast<std::size_t>(i)].align == ColumnAlign::centre && i > 0 ? LVCFMT_CENTER
                                                                                             : LVCFMT_LEFT;
    column.cx = 0;
    ListView_InsertColumn(list_, i, &column);
  }
}

HotkeyListView::~HotkeyListView() {
  // The control goes first: it must not outlive the images it borrows.
  if (list_) DestroyWindow(list_);
}

LRESULT CALLBACK HotkeyListView::watch_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                               UINT_PTR id, DWORD_PTR self) {
  auto* list = reinterpret_cast<HotkeyListView*>(self);
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, watch_control, id);
      list->list_ = nullptr;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // Both presses of a double click turn the box over, as two clicks do.
      const Hit hit = list->hit_test({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      if (hit.on_check_box && list->take_check_box(hit)) {
        SetFocus(window);
        return 0;
      }
      break;
    }
    case WM_KEYDOWN:
      if (wparam == VK_SPACE) {
        const int focused = ListView_GetNextItem(window, -1, LVNI_FOCUSED);
        if (focused >= 0 && list->take_check_box({focused, true})) return 0;
      }
      if (wparam == VK_TAB && list->on_tab) {
        list->on_tab(GetKeyState(VK_SHIFT) < 0);
        return 0;
      }
      break;
    case WM_CHAR:
      // The characters of the keys taken above, so the control does not
      // search its items for them.
      if ((wparam == L' ' && list->on_check_box) || (wparam == L'\t' && list->on_tab)) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

bool HotkeyListView::take_check_box(Hit hit) {
  return on_check_box && on_check_box(hit);
}

HotkeyListView::Hit HotkeyListView::hit_test(POINT at) const {
  LVHITTESTINFO info{};
  info.pt = at;
  const int item = ListView_SubItemHitTest(list_, &info);
  // LVHT_ONITEM is the three "on item" bits together, which a full-row
  // list reports for a click on any other column's text: only the state
  // image alone, in the first column, is the box.
  const bool on_box = info.iSubItem == 0 && (info.flags & LVHT_ONITEM) == LVHT_ONITEMSTATEICON;
  return {item, item >= 0 && on_box};
}

int HotkeyListView::selected() const {
  return ListView_GetNextItem(list_, -1, LVNI_SELECTED);
}

void HotkeyListView::select(int index) {
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, index, FALSE);
}

bool HotkeyListView::set_dpi(int dpi) {
  if (dpi == dpi_) return false;
  dpi_ = dpi;
  // Set again, so the control measures its rows for the new size.
  const bool icons_resized = reload_hotkey_icons(icons_.get(), pictures_, hotkey_icon_size(dpi));
  if (icons_resized) ListView_SetImageList(list_, icons_.get(), LVSIL_SMALL);
  set_columns();
  // The control makes its font once, at creation; the system's font for
  // the new DPI replaces it.
  win32::UniqueGdi<HFONT> font = win32::system_font_for_dpi(SPI_GETICONTITLELOGFONT, dpi);
  if (font) {
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
  }
  return icons_resized;
}

void HotkeyListView::set_columns() {
  for (int i = 0; i < kColumnCount; ++i) {
    const ColumnSpec& layout = kColumns[static_cast<std::size_t>(i)];
    std::wstring caption = win32::widen(layout.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = caption.data();
    column.cx = base::scale_length(layout.width, dpi_);
    ListView_SetColumn(list_, i, &column);
  }
}

void HotkeyListView::show(const std::vector<HotkeyRow>& rows) {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  int index = 0;
  for (const HotkeyRow& row : rows) set_row(index++, row, true);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
}

void HotkeyListView::update_row(int index, const HotkeyRow& row) {
  if (index >= 0 && index < ListView_GetItemCount(list_)) set_row(index, row, false);
}

void HotkeyListView::add_row(const HotkeyRow& row) {
  set_row(ListView_GetItemCount(list_), row, true);
}

void HotkeyListView::remove_row(int index) {
  ListView_DeleteItem(list_, index);
}

void HotkeyListView::set_row(int index, const HotkeyRow& row, bool insert) {
  const auto texts = column_texts(row);
  std::wstring caption = win32::widen(texts[0]);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = caption.data();
  item.iImage = row.image;
  if (insert) {
    ListView_InsertItem(list_, &item);
  } else {
    ListView_SetItem(list_, &item);
  }
  for (int column = 1; column < kColumnCount; ++column) {
    std::wstring text = win32::widen(texts[static_cast<std::size_t>(column)]);
    ListView_SetItemText(list_, index, column, text.data());
  }
  ListView_SetCheckState(list_, index, row.checked);
}

void HotkeyListView::read_checks(std::vector<HotkeyRow>& rows) const {
  const int count = ListView_GetItemCount(list_);
  for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i) {
    rows[static_cast<std::size_t>(i)].checked = ListView_GetCheckState(list_, i) != 0;
  }
}

}  // namespace vantrel::hotkeys
