#include "editor/icon_picker_win32.h"

#include <string_view>

#include "win32/handles.h"

namespace vantrel::app {
namespace {

constexpr UINT_PTR kWatchId = 1;
// Room around an icon for its (empty) caption's line.
constexpr int kIconMargin = 8;
constexpr int kDesignedIconSize = 32;
int icon_size(HIMAGELIST icons) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(icons, &width, &height);
  return width;
}

// Between IconSpeedButton's caption and its picture.
constexpr int kGlyphSpacing = 4;
constexpr std::wstring_view kIconButtonCaption = L"Icon  ";

}  // namespace

IconPicker::IconPicker(HWND parent, int control_id, RECT bounds, HIMAGELIST icons) : icons_(icons) {
  // LVS_SHAREIMAGELISTS: the icons belong to the hotkey list.
  picker_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                      WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_ALIGNLEFT |
                          LVS_AUTOARRANGE | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), nullptr, nullptr);
  if (!picker_) return;
  SetWindowSubclass(picker_, watch_control, kWatchId, reinterpret_cast<DWORD_PTR>(this));
  icons_resized();
}

void IconPicker::icons_resized() {
  // Set again, so the control measures its items for the icons' size; the
  // margin grows with the icons (8 pixels at 32).
  ListView_SetImageList(picker_, icons_, LVSIL_NORMAL);
  const int size = icon_size(icons_);
  const int spacing = size + MulDiv(kIconMargin, size, kDesignedIconSize);
  ListView_SetIconSpacing(picker_, spacing, spacing);
  ListView_Arrange(picker_, LVA_DEFAULT);
}

IconPicker::~IconPicker() {
  if (picker_) DestroyWindow(picker_);
}

LRESULT CALLBACK IconPicker::watch_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR id, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, watch_control, id);
    reinterpret_cast<IconPicker*>(self)->picker_ = nullptr;
  } else if (message == WM_SETCURSOR && LOWORD(lparam) == HTCLIENT) {
    // The hand over an icon, where a click chooses.
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    LVHITTESTINFO hit{};
    hit.pt = cursor;
    if (ListView_HitTest(window, &hit) >= 0) {
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    }
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void IconPicker::fill() {
  // One batch with redraw off: otherwise the list arranges and repaints
  // itself after every item (under Wine about 20 ms for the 52 at start).
  const bool shown = (GetWindowLongW(picker_, GWL_STYLE) & WS_VISIBLE) != 0;
  SendMessageW(picker_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(picker_);
  const int count = ImageList_GetImageCount(icons_);
  ListView_SetItemCount(picker_, count);
  for (int i = 0; i < count; ++i) {
    wchar_t empty[] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = empty;
    item.iImage = i;
    ListView_InsertItem(picker_, &item);
  }
  SendMessageW(picker_, WM_SETREDRAW, TRUE, 0);
  // Turning redraw back on gives a hidden window the visible style (the
  // system's default handling does): a closed picker stays closed.
  if (!shown) {
    ShowWindow(picker_, SW_HIDE);
  } else {
    RedrawWindow(picker_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

void IconPicker::set_open(bool open) {
  if (open == is_open()) return;
  if (!open) {
    ShowWindow(picker_, SW_HIDE);
    return;
  }
  SetWindowPos(picker_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  if (const auto item = selected()) ListView_EnsureVisible(picker_, *item, FALSE);
}

bool IconPicker::is_open() const {
  return picker_ && IsWindowVisible(picker_);
}

void IconPicker::select(std::optional<int> item) {
  if (selected() == item) return;
  ListView_SetItemState(picker_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (item && *item >= 0 && *item < ListView_GetItemCount(picker_)) {
    ListView_SetItemState(picker_, *item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(picker_, *item, FALSE);
  }
}

std::optional<int> IconPicker::selected() const {
  const int item = ListView_GetNextItem(picker_, -1, LVNI_SELECTED);
  return item >= 0 ? std::optional<int>(item) : std::nullopt;
}

void IconPicker::set_colours(COLORREF background, COLORREF text) {
  ListView_SetBkColor(picker_, background);
  ListView_SetTextBkColor(picker_, background);
  ListView_SetTextColor(picker_, text);
  InvalidateRect(picker_, nullptr, TRUE);
}

void draw_icon_button(const DRAWITEMSTRUCT& item, HIMAGELIST icons, std::optional<int> icon, HFONT font,
                      COLORREF background) {
  const HDC dc = item.hDC;
  RECT bounds = item.rcItem;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  {
    const win32::UniqueGdi<HBRUSH> face(CreateSolidBrush(background));
    FillRect(dc, &bounds, face.get());
  }
  // Flat: an edge shows only while it is pressed.
  if (pressed) DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);

  const win32::SelectedObject selected_font(
      dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  GetTextExtentPoint32W(dc, kIconButtonCaption.data(), static_cast<int>(kIconButtonCaption.size()), &text);
  const int shift = pressed ? 1 : 0;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int side = icon_size(icons);
  const int left = bounds.left + (width - (text.cx + kGlyphSpacing + side)) / 2 + shift;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  TextOutW(dc, left, bounds.top + (height - text.cy) / 2 + shift, kIconButtonCaption.data(),
           static_cast<int>(kIconButtonCaption.size()));
  if (icon && *icon >= 0 && *icon < ImageList_GetImageCount(icons)) {
    ImageList_DrawEx(icons, *icon, dc, left + text.cx + kGlyphSpacing,
                     bounds.top + (height - side) / 2 + shift, side, side, CLR_NONE, CLR_DEFAULT,
                     ILD_TRANSPARENT | (disabled ? ILD_BLEND50 : ILD_NORMAL));
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = bounds;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace vantrel::app
