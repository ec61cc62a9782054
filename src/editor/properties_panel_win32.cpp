#include "editor/properties_panel_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "hotkeys/key_table.h"
#include "win32/colour.h"
#include "win32/common_dialogs.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

enum ControlId : int {
  kEnabledId = 1,
  kAltId,
  kControlId,
  kShiftId,
  kKeyListId,
  kCodeListId,
  kActionId,
  kIconButtonId,
  kPickerId,
  kApplyId,
  kTestId,
  kFunctionsId,
  kBrowseId,
  kWinId,
  kArgumentsId,
  kStartInId,
  kLabelId = 0xFFFF,
};

constexpr wchar_t kCaption[] = L"  Properties  ";
constexpr int kCaptionLeft = 8;
constexpr RECT kFunctionsBounds{428, 62, 428 + 17, 62 + 25};
// The drop-down part of the key lists: enough rows to pick from.
constexpr int kDroppedHeight = 300;
constexpr UINT_PTR kKeysWatchId = 1;

win32::UniqueGdi<HFONT> make_font(int pixels, int weight) {
  return win32::UniqueGdi<HFONT>(CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

std::string window_text(HWND control) {
  return win32::narrow(win32::window_text(control));
}

RECT at(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

void set_check(HWND box, bool on) {
  if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool checked(HWND box) {
  return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_selection(HWND list, int index) {
  if (static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)) != index)
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace

PropertiesPanel::PropertiesPanel(HWND parent, RECT bounds, HIMAGELIST icons)
    : icons_(icons),
      scheme_(colour_scheme(kDefaultSchemeName)),
      font_(make_font(11, FW_NORMAL)),
      bold_font_(make_font(11, FW_BOLD)),
      action_font_(make_font(13, FW_BOLD)),
      window_brush_(CreateSolidBrush(win32::colour_ref(scheme_.window))),
      light_brush_(CreateSolidBrush(win32::colour_ref(scheme_.light))) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  register_class(instance, kClassName);
  // WS_EX_CONTROLPARENT: the dialog functions look into the panel for the
  // controls' tab order.
  if (!create(instance, kClassName, kCaption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
              WS_EX_CONTROLPARENT, bounds, parent))
    return;
  create_controls();
  apply_colour_scheme(scheme_);
  editor_.clear();
  show_editor();
}

PropertiesPanel::~PropertiesPanel() {
  // The controls go with the window, while this object still serves it.
  destroy();
}

HWND PropertiesPanel::add_control(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT bounds,
                                  int id, HFONT font, DWORD ex_style) {
  const HWND control =
      CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                      handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void PropertiesPanel::create_controls() {
  const HFONT font = font_.get();
  // 70 wide rather than 65: the bold caption of the fonts that stand in for
  // MS Sans Serif needs it, and the Alt column starts at 80.
  enabled_box_ = add_control(L"BUTTON", L"Enabled", WS_TABSTOP | BS_AUTOCHECKBOX, at(8, 26, 70, 17),
                             kEnabledId, bold_font_.get());
  // Alt leaves room beside it for the Windows key's box, which is a pixel
  // shorter so that it stays clear of Control below.
  alt_box_ = add_control(L"BUTTON", L"Alt", WS_TABSTOP | BS_AUTOCHECKBOX, at(80, 10, 38, 17), kAltId, font);
  win_box_ = add_control(L"BUTTON", L"Win", WS_TABSTOP | BS_AUTOCHECKBOX, at(120, 10, 42, 16), kWinId, font);
  control_box_ =
      add_control(L"BUTTON", L"Control", WS_TABSTOP | BS_AUTOCHECKBOX, at(80, 26, 70, 17), kControlId, font);
  shift_box_ =
      add_control(L"BUTTON", L"Shift", WS_TABSTOP | BS_AUTOCHECKBOX, at(80, 42, 70, 17), kShiftId, font);
  add_control(L"STATIC", L"Key", 0, at(164, 12, 34, 13), kLabelId, font);
  key_list_ = add_control(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                          at(200, 10, 89, kDroppedHeight), kKeyListId, font);
  add_control(L"STATIC", L"Code", 0, at(164, 38, 34, 13), kLabelId, font);
  code_list_ = add_control(L"COMBOBOX", L"", WS_VSCROLL | CBS_DROPDOWNLIST, at(200, 36, 89, kDroppedHeight),
                           kCodeListId, font);
  for (const hotkeys::KeyEntry& key : hotkeys::key_table()) {
    SendMessageW(key_list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::widen(key.name).c_str()));
    SendMessageW(code_list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(key.code).c_str()));
  }
  icon_button_ =
      add_control(L"BUTTON", L"Icon  ", WS_TABSTOP | BS_OWNERDRAW, at(313, 14, 96, 40), kIconButtonId, font);
  add_control(L"STATIC", L"Execute:", 0, at(28, 67, 50, 13), kLabelId, font);
  action_box_ = add_control(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, at(80, 63, 329, 24), kActionId,
                            action_font_.get(), WS_EX_CLIENTEDGE);
  // Two more rows under the action: what the launch is given.
  add_control(L"STATIC", L"Arguments:", SS_RIGHT, at(8, 95, 70, 13), kLabelId, font);
  arguments_box_ = add_control(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, at(80, 91, 329, 24), kArgumentsId,
                               action_font_.get(), WS_EX_CLIENTEDGE);
  add_control(L"STATIC", L"Start in:", SS_RIGHT, at(8, 123, 70, 13), kLabelId, font);
  start_in_box_ = add_control(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, at(80, 119, 329, 24), kStartInId,
                              action_font_.get(), WS_EX_CLIENTEDGE);

  const std::pair<std::unique_ptr<ui::TGradientButton>*, std::pair<const wchar_t*, RECT>> buttons[] = {
      {&apply_, {L" Aplly  ", at(428, 10, 100, 25)}},
      {&test_, {L" Test  ", at(428, 36, 100, 25)}},
      {&functions_, {L"v", kFunctionsBounds}},
      {&browse_, {L" Browse  ", at(444, 62, 84, 25)}},
  };
  int id = kApplyId;
  for (const auto& [button, look] : buttons) {
    *button = std::make_unique<ui::TGradientButton>(handle(), id++, look.first, look.second);
    (*button)->set_font(font);
    SetWindowLongPtrW((*button)->handle(), GWL_STYLE,
                      GetWindowLongPtrW((*button)->handle(), GWL_STYLE) | WS_CLIPSIBLINGS);
    // Entering a button closes the icon picker.
    (*button)->on_mouse_move = [this](POINT, bool) { close_icon_picker(); };
  }
  apply_->on_click = [this] {
    if (on_apply) on_apply();
  };
  test_->on_click = [this] {
    if (on_test) on_test();
  };
  functions_->on_click = [this] {
    if (on_functions) on_functions();
  };
  browse_->on_click = [this] { browse(); };

  // Last, so that it starts above the controls it covers.
  picker_ = std::make_unique<IconPicker>(handle(), kPickerId, at(8, 14, 313, 73), icons_);

  for (HWND control : {enabled_box_, alt_box_, win_box_, control_box_, shift_box_, key_list_, icon_button_,
                       action_box_, arguments_box_, start_in_box_, picker_->handle(), apply_->handle(),
                       test_->handle(), functions_->handle(), browse_->handle()})
    watch_keys(control);

  hints_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                               nullptr, nullptr));
  const std::pair<HWND, const wchar_t*> hints[] = {
      {apply_->handle(), L"Apply the changes"},
      {test_->handle(), L"Test the hotkey and see the possible errors"},
      {functions_->handle(), L"Functions"},
      {browse_->handle(), L"Browse for files"},
  };
  for (const auto& [button, hint] : hints) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(hint);
    SendMessageW(hints_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void PropertiesPanel::set_hints_active(bool active) {
  if (!hints_) return;
  if (!active) SendMessageW(hints_.get(), TTM_POP, 0, 0);
  SendMessageW(hints_.get(), TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

LRESULT PropertiesPanel::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam && !showing_editor_) on_control(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (picker_ && header.hwndFrom == picker_->handle()) on_picker_notify(header);
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.hwndItem != icon_button_) break;
      // The button's own font: the designed one scaled to the window's DPI.
      draw_icon_button(item, icons_, editor_.fields().icon,
                       reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)),
                       win32::colour_ref(scheme_.window));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      // Check boxes, labels and the always disabled code list: on the
      // panel's own colour.
      const auto dc = reinterpret_cast<HDC>(wparam);
      SetBkColor(dc, win32::colour_ref(scheme_.window));
      return reinterpret_cast<LRESULT>(window_brush_.get());
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      const auto dc = reinterpret_cast<HDC>(wparam);
      SetBkColor(dc, win32::colour_ref(scheme_.light));
      SetTextColor(dc, win32::colour_ref(scheme_.dark));
      return reinterpret_cast<LRESULT>(light_brush_.get());
    }
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(handle(), &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, window_brush_.get());
      return 1;
    }
    case WM_PAINT:
      paint();
      return 0;
    case WM_SETFONT:
      caption_font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(handle(), nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
      // A click on the panel itself and a move over its free area or its
      // labels close the icon picker.
      close_icon_picker();
      break;
    case WM_DESTROY:
      hints_.reset();
      break;
    default:
      break;
  }
  return Window::on_message(message, wparam, lparam);
}

void PropertiesPanel::paint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(handle(), &paint);
  RECT client{};
  GetClientRect(handle(), &client);
  const win32::SelectedObject selected_font(dc, caption_font_ ? caption_font_ : font_.get());
  SIZE caption{};
  GetTextExtentPoint32W(dc, kCaption, static_cast<int>(std::size(kCaption) - 1), &caption);
  RECT frame = client;
  frame.top = caption.cy / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  SetBkColor(dc, win32::colour_ref(scheme_.window));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, OPAQUE);
  TextOutW(dc, MulDiv(kCaptionLeft, win32::window_dpi(handle()), 96), 0, kCaption,
           static_cast<int>(std::size(kCaption) - 1));
  EndPaint(handle(), &paint);
}

void PropertiesPanel::on_control(int id, int code) {
  // Only the notifications that are edits: an edit box also reports, say,
  // EN_UPDATE before its EN_CHANGE, when the editor does not hold the new
  // text yet.
  const bool edit_box = id == kActionId || id == kArgumentsId || id == kStartInId;
  if (id == kKeyListId ? code != CBN_SELCHANGE : edit_box ? code != EN_CHANGE : code != BN_CLICKED) return;
  switch (id) {
    case kEnabledId:
      editor_.set_enabled(checked(enabled_box_));
      break;
    case kAltId:
      editor_.set_alt(checked(alt_box_));
      break;
    case kControlId:
      editor_.set_control(checked(control_box_));
      break;
    case kShiftId:
      editor_.set_shift(checked(shift_box_));
      break;
    case kWinId:
      editor_.set_win(checked(win_box_));
      break;
    case kArgumentsId:
      editor_.set_arguments(window_text(arguments_box_));
      break;
    case kStartInId:
      editor_.set_start_in(window_text(start_in_box_));
      break;
    case kKeyListId: {
      const auto index = static_cast<int>(SendMessageW(key_list_, CB_GETCURSEL, 0, 0));
      editor_.choose_key(index >= 0 ? std::optional<std::size_t>(index) : std::nullopt);
      break;
    }
    case kActionId:
      editor_.set_action(action_text());
      break;
    case kIconButtonId:
      editor_.toggle_picker();
      break;
    default:
      return;
  }
  show_editor();
}

void PropertiesPanel::on_picker_notify(const NMHDR& header) {
  if (header.code != NM_CLICK && header.code != NM_RETURN) return;
  editor_.choose_icon(picker_->selected());
  // A click beside the icons leaves the picker without a selection: it
  // shows the chosen icon again.
  show_editor();
}

void PropertiesPanel::show_editor() {
  const HWND had_focus = GetFocus();
  showing_editor_ = true;
  const PanelFields& fields = editor_.fields();
  set_check(enabled_box_, fields.enabled);
  set_check(alt_box_, fields.alt);
  set_check(control_box_, fields.control);
  set_check(shift_box_, fields.shift);
  set_check(win_box_, fields.win);
  const int key = fields.key && editor_.key_code() ? static_cast<int>(*fields.key) : -1;
  set_selection(key_list_, key);
  set_selection(code_list_, key);
  for (const auto& [box, text] :
       {std::pair{action_box_, &fields.action}, std::pair{arguments_box_, &fields.arguments},
        std::pair{start_in_box_, &fields.start_in}}) {
    if (window_text(box) != *text) SetWindowTextW(box, win32::widen(*text).c_str());
  }
  picker_->select(fields.icon);
  InvalidateRect(icon_button_, nullptr, FALSE);

  const bool on = editor_.panel_enabled();
  for (HWND control : {enabled_box_, alt_box_, win_box_, control_box_, shift_box_, key_list_, icon_button_,
                       action_box_, arguments_box_, start_in_box_, picker_->handle(), test_->handle(),
                       functions_->handle(), browse_->handle()})
    EnableWindow(control, on);
  EnableWindow(code_list_, FALSE);
  EnableWindow(apply_->handle(), on && editor_.apply_enabled());
  for (HWND label = GetWindow(handle(), GW_CHILD); label; label = GetWindow(label, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(label) == kLabelId) EnableWindow(label, on);
  }
  picker_->set_open(on && editor_.picker_open());
  showing_editor_ = false;

  // A control that lost the focus by being disabled or hidden hands it on:
  // inside the panel while it is enabled, else out of it.
  const bool ours = had_focus && IsChild(handle(), had_focus);
  if (ours && (!IsWindowEnabled(had_focus) || !IsWindowVisible(had_focus))) {
    if (on) {
      SetFocus(had_focus == picker_->handle() ? icon_button_ : action_box_);
    } else if (on_tab_out) {
      on_tab_out(false);
    }
  }
}

void PropertiesPanel::fill(const std::vector<hotkeys::HotkeyRow>& rows, int selected) {
  editor_.fill(rows, selected);
  show_editor();
}

void PropertiesPanel::clear() {
  editor_.clear();
  show_editor();
}

ApplyResult PropertiesPanel::apply(std::vector<hotkeys::HotkeyRow>& rows, int selected,
                                   actions::HotkeyRegistrar& registrar) {
  const ApplyResult result = editor_.apply(rows, selected, registrar);
  show_editor();
  return result;
}

ApplyResult PropertiesPanel::click_check_box(std::vector<hotkeys::HotkeyRow>& rows, std::size_t row,
                                             actions::HotkeyRegistrar& registrar) {
  const ApplyResult result = app::click_check_box(editor_, rows, row, registrar);
  show_editor();
  return result;
}

void PropertiesPanel::set_action(const std::string& text) {
  editor_.set_action(text);
  show_editor();
}

void PropertiesPanel::fill_icon_picker() {
  picker_->fill();
  picker_->select(editor_.fields().icon);
}

void PropertiesPanel::icons_resized() {
  picker_->icons_resized();
  InvalidateRect(icon_button_, nullptr, FALSE);
}

void PropertiesPanel::close_icon_picker() {
  if (!editor_.picker_open()) return;
  editor_.close_picker();
  show_editor();
}

void PropertiesPanel::apply_colour_scheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  window_brush_.reset(CreateSolidBrush(win32::colour_ref(scheme.window)));
  light_brush_.reset(CreateSolidBrush(win32::colour_ref(scheme.light)));
  for (ui::TGradientButton* button : {apply_.get(), test_.get(), functions_.get(), browse_.get()}) {
    apply_action_button_colours(button->colors(), scheme);
    button->set_color(scheme.window);
  }
  picker_->set_colours(win32::colour_ref(scheme.list), win32::colour_ref(scheme.dark));
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PropertiesPanel::apply_quality(ui::TGradientQuality quality) {
  for (ui::TGradientButton* button : {apply_.get(), test_.get(), functions_.get(), browse_.get()})
    button->set_quality(quality);
}

POINT PropertiesPanel::functions_menu_point() const {
  const int dpi = win32::window_dpi(handle());
  POINT corner{MulDiv(kFunctionsBounds.left, dpi, 96), MulDiv(kFunctionsBounds.bottom, dpi, 96)};
  ClientToScreen(handle(), &corner);
  return corner;
}

std::string PropertiesPanel::action_text() const {
  return window_text(action_box_);
}

void PropertiesPanel::browse() {
  // OpenDialog1. The dialog's own message loop dispatches WM_HOTKEY to the
  // main window like any other.
  std::wstring file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetAncestor(handle(), GA_ROOT);
  dialog.lpstrFilter = L"All types of files (*.*)\0*.*\0";
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
  if (!win32::open_file_dialog(dialog) || file[0] == L'\0') return;
  // As typed by the user: its change handler enables Apply.
  SetWindowTextW(action_box_, file.c_str());
}

std::vector<HWND> PropertiesPanel::tab_order() const {
  std::vector<HWND> order{enabled_box_, alt_box_,  win_box_,    control_box_,
                          shift_box_,   key_list_, icon_button_};
  if (picker_->is_open()) order.push_back(picker_->handle());
  for (HWND control : {action_box_, arguments_box_, start_in_box_, apply_->handle(), test_->handle(),
                       functions_->handle(), browse_->handle()})
    order.push_back(control);
  std::erase_if(order, [](HWND control) { return !IsWindowEnabled(control) || !IsWindowVisible(control); });
  return order;
}

bool PropertiesPanel::take_focus(bool backwards) {
  const std::vector<HWND> order = tab_order();
  if (order.empty()) return false;
  SetFocus(backwards ? order.back() : order.front());
  return true;
}

void PropertiesPanel::move_focus(HWND from, bool backwards) {
  const std::vector<HWND> order = tab_order();
  const auto here = std::find(order.begin(), order.end(), from);
  if (here == order.end() || (backwards ? here == order.begin() : here + 1 == order.end())) {
    if (on_tab_out) on_tab_out(backwards);
    return;
  }
  SetFocus(backwards ? *(here - 1) : *(here + 1));
}

void PropertiesPanel::watch_keys(HWND control) {
  SetWindowSubclass(control, control_keys, kKeysWatchId, reinterpret_cast<DWORD_PTR>(this));
}

// Tab, Escape and Enter for the panel's controls: the program's loop has
// no dialog manager, so the panel moves the focus itself.
LRESULT CALLBACK PropertiesPanel::control_keys(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                               UINT_PTR id, DWORD_PTR self) {
  auto* panel = reinterpret_cast<PropertiesPanel*>(self);
  // Enter applies from any of the three text boxes.
  const bool in_action_box =
      window == panel->action_box_ || window == panel->arguments_box_ || window == panel->start_in_box_;
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, control_keys, id);
      break;
    case WM_KEYDOWN:
      if (wparam == VK_TAB) {
        panel->move_focus(window, GetKeyState(VK_SHIFT) < 0);
        return 0;
      }
      if (wparam == VK_ESCAPE &&
          !(window == panel->key_list_ && SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0))) {
        // The pending changes are dropped: the row as it is.
        if (panel->on_restore) panel->on_restore();
        return 0;
      }
      if (wparam == VK_RETURN && in_action_box) {
        if (panel->editor_.apply_enabled() && panel->on_apply) panel->on_apply();
        return 0;
      }
      break;
    case WM_CHAR:
      // The characters of the keys handled above: an edit box would beep.
      if (wparam == L'\t' || wparam == 0x1B || (wparam == L'\r' && in_action_box)) return 0;
      break;
    case WM_MOUSEMOVE:
      if (in_action_box || window == panel->alt_box_ || window == panel->win_box_ ||
          window == panel->control_box_ || window == panel->shift_box_)
        panel->close_icon_picker();
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace vantrel::app
