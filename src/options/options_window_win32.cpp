#include "options/options_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <iterator>
#include <utility>

#include "base/dpi.h"
#include "frame/frame_layout.h"
#include "frame/window_outline_win32.h"
#include "osd/overlay_win32.h"
#include "settings/options_rules.h"
#include "settings/settings_effects.h"
#include "win32/colour.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

constexpr int kTitleHeight = kTitleStripHeight;
constexpr int kPageControlHeight = 207;
constexpr int kFrameLine = 2;
// How often the Sound page reads its line again while it is in sight: the
// mixer tells no one of a change made by a hotkey or another program.
constexpr UINT_PTR kSoundTimer = 1;
constexpr UINT kSoundTimerMs = 300;

// The check boxes that hold a stored setting.
constexpr std::pair<int, bool SettingsModel::*> kCheckBoxes[] = {
    {kCheckBoxEasyMove, &SettingsModel::easy_move},
    {kCheckBoxMinimizeToTray, &SettingsModel::minimize_to_tray},
    {kCheckBoxMainTransparent, &SettingsModel::transparent},
    {kCheckBoxVolumeShow, &SettingsModel::volume_show},
    {kCheckBoxShowDecimals, &SettingsModel::decimals},
    {kCheckBoxCheckBoxes, &SettingsModel::check_boxes},
    {kCheckBoxGridLines, &SettingsModel::grid_lines},
    {kCheckBoxTrayVisible, &SettingsModel::tray_visible},
    {kCheckBoxTrayAnimate, &SettingsModel::tray_animate},
    {kCheckBoxLogo, &SettingsModel::logo},
};

// The lists that hold a stored index.
constexpr std::pair<int, int SettingsModel::*> kLists[] = {
    {kComboBoxVolumeStep, &SettingsModel::step},           {kComboBoxProgressWidth, &SettingsModel::border},
    {kComboBoxVisibleTime, &SettingsModel::visible_time},  {kComboBoxShowOn, &SettingsModel::osd_show_on},
    {kComboBoxColorScheme, &SettingsModel::colour_scheme}, {kComboBoxQuality, &SettingsModel::quality},
};

struct NumericField {
  int id;
  EditField field;
  std::string SettingsModel::*text;
};
constexpr NumericField kNumericFields[] = {
    {kEditProgressHeight, EditField::progress_height, &SettingsModel::progress_height},
    {kEditProgressX, EditField::progress_x, &SettingsModel::progress_x},
    {kEditProgressY, EditField::progress_y, &SettingsModel::progress_y},
    {kEditOSDX, EditField::osd_x, &SettingsModel::osd_x},
    {kEditOSDY, EditField::osd_y, &SettingsModel::osd_y},
};

const NumericField* numeric_field(int id) {
  for (const NumericField& field : kNumericFields) {
    if (field.id == id) return &field;
  }
  return nullptr;
}

// The display's positions are in 96-DPI pixels, and so are their limits.
ScreenSize screen_now() {
  const osd::Size screen = osd::primary_screen_at_design_dpi();
  return {screen.width, screen.height};
}

// A font of that many points on a screen of `dpi`.
win32::UniqueGdi<HFONT> make_font(const std::string& face, int points, bool bold, int dpi) {
  return win32::UniqueGdi<HFONT>(CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_DONTCARE, win32::widen(face).c_str()));
}

void set_text_if_other(HWND window, const std::string& text) {
  const std::wstring wide = win32::widen(text);
  if (win32::window_text(window) != wide) SetWindowTextW(window, wide.c_str());
}

void set_check_if_other(HWND box, bool checked) {
  if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
    SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void fill_list(HWND list, std::span<const std::string_view> items) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string_view item : items)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::widen(item).c_str()));
}

}  // namespace

TFormOptions::TFormOptions(HINSTANCE instance, StoredSettings& settings)
    : settings_(settings),
      // At 96 DPI: the layout scales them with the controls.
      font_(make_font("MS Sans Serif", 8, false, base::kDesignDpi)),
      bar_font_(make_font("MS Sans Serif", 8, true, base::kDesignDpi)),
      scheme_(colour_scheme(kDefaultSchemeName)),
      background_(CreateSolidBrush(win32::colour_ref(scheme_.window))) {
  register_class(instance, kClassName);
  const int width = base::scale_length(kClientWidth, win32::system_dpi());
  const int height = base::scale_length(kClientHeight, win32::system_dpi());
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  create(instance, kClassName, L"Options", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
         RECT{left, top, left + width, top + height}, nullptr);
}

TFormOptions::~TFormOptions() {
  settings_.on_model_changed = nullptr;
  destroy();
}

HWND TFormOptions::control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

ui::TGradientButton* TFormOptions::gradient_button(int id) const {
  if (id == kButtonBar) return bar_.get();
  if (id == kButtonDefault) return default_.get();
  if (id == kButtonOK) return ok_.get();
  return nullptr;
}

void TFormOptions::show() {
  // The entry may have been set or removed elsewhere since the window was
  // last shown.
  show_autorun();
  ShowWindow(handle(), SW_SHOW);
  refresh_sound_page();
  SetForegroundWindow(handle());
}

LRESULT TFormOptions::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      apply_rounded_outline(handle());
      create_controls();
      // Every control from the table, made at its 96-DPI place.
      dpi_layout_.capture(handle());
      lay_out(win32::window_dpi(handle()));
      fill_lists();
      show_model();
      settings_.on_model_changed = [this] { show_model(); };
      return 0;
    case WM_COMMAND:
      on_command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_HSCROLL:
      if (lparam) on_scroll(reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lparam)->hwndFrom == page_control_ &&
          reinterpret_cast<const NMHDR*>(lparam)->code == TCN_SELCHANGE)
        show_page(TabCtrl_GetCurSel(page_control_));
      return 0;
    case WM_CTLCOLORSTATIC:
      // The pages' labels, boxes and sliders on the page's own colour.
      if (page_of_.contains(reinterpret_cast<HWND>(lparam))) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      return Window::on_message(message, wparam, lparam);
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlType == ODT_STATIC) {
        draw_split_caption(item);
      } else {
        draw_font_button(item);
      }
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT all{};
      GetClientRect(handle(), &all);
      FillRect(reinterpret_cast<HDC>(wparam), &all, background_.get());
      // LabelLeft, LabelRight and LabelBottom close the outline below the
      // page control.
      const win32::UniqueGdi<HBRUSH> dark(CreateSolidBrush(win32::colour_ref(scheme_.dark)));
      const int top = kTitleHeight + kPageControlHeight;
      const RECT lines[] = {{0, top, kFrameLine, kClientHeight},
                            {kClientWidth - kFrameLine, top, kClientWidth, kClientHeight},
                            {0, kClientHeight - kFrameLine, kClientWidth, kClientHeight}};
      for (const RECT& line : lines) {
        const RECT scaled = dpi_layout_.scale(line);
        FillRect(reinterpret_cast<HDC>(wparam), &scaled, dark.get());
      }
      return TRUE;
    }
    case WM_LBUTTONDOWN:
      SetCapture(handle());
      FormMouseDown();
      return 0;
    case WM_MOUSEMOVE:
      FormMouseMove((wparam & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      return 0;
    case WM_CLOSE:
      close();
      return 0;
    case WM_SHOWWINDOW:
      if (wparam) {
        SetTimer(handle(), kSoundTimer, kSoundTimerMs, nullptr);
      } else {
        KillTimer(handle(), kSoundTimer);
      }
      return Window::on_message(message, wparam, lparam);
    case WM_TIMER:
      if (wparam == kSoundTimer) refresh_sound_page();
      return 0;
    case WM_DPICHANGED:
      dpi_changed(win32::take_suggested_place(handle(), wparam, lparam));
      return 0;
    case WM_DESTROY:
      bar_.reset();
      default_.reset();
      ok_.reset();
      return 0;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

void TFormOptions::create_controls() {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle(), GWLP_HINSTANCE));
  bar_ = std::make_unique<ui::TGradientButton>(handle(), kButtonBar, L"Options",
                                               RECT{0, 0, kClientWidth, kTitleHeight});
  bar_->set_takes_focus(false);
  bar_->set_font(bar_font_.get());
  bar_->set_text_colour(base::rgb(255, 255, 255));
  bar_->on_mouse_down = [this](POINT) { FormMouseDown(); };
  bar_->on_mouse_move = [this](POINT, bool left_down) { FormMouseMove(left_down); };
  const int buttons_top = kTitleHeight + kPageControlHeight + 7;
  default_ = std::make_unique<ui::TGradientButton>(handle(), kButtonDefault, L"Default",
                                                   RECT{8, buttons_top, 88, buttons_top + 26});
  default_->on_click = [this] { ButtonDefaultClick(); };
  ok_ = std::make_unique<ui::TGradientButton>(
      handle(), kButtonOK, L"     OK        ",
      RECT{kClientWidth - 96, buttons_top, kClientWidth - 8, buttons_top + 26});
  ok_->set_glyph(tick_glyph(base::kDesignDpi).get());
  ok_->set_default(true);
  ok_->on_click = [this] { ButtonOKClick(); };
  for (ui::TGradientButton* button : {default_.get(), ok_.get()}) button->set_font(font_.get());

  page_control_ =
      CreateWindowExW(0, WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0,
                      kTitleHeight, kClientWidth, kPageControlHeight, handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPageControl1)), instance, nullptr);
  SendMessageW(page_control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // Seven tabs in one row across the window.
  TabCtrl_SetPadding(page_control_, 3, 3);
  for (int page = 0; page < static_cast<int>(std::size(kOptionsPages)); ++page) {
    std::wstring name = win32::widen(kOptionsPages[page]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = name.data();
    TabCtrl_InsertItem(page_control_, page, &item);
  }
  RECT area{0, 0, kClientWidth, kPageControlHeight};
  TabCtrl_AdjustRect(page_control_, FALSE, &area);
  OffsetRect(&area, 0, kTitleHeight);
  SetWindowSubclass(page_control_, &TFormOptions::watch_page_control, 1, reinterpret_cast<DWORD_PTR>(this));

  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr, instance, nullptr);
  for (const ControlPlace& place : options_controls()) create_page_control(place, area);
  // The page control lies under the pages' controls.
  SetWindowPos(page_control_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  show_page(0);
}

void TFormOptions::create_page_control(const ControlPlace& place, RECT area) {
  if (place.kind == ControlKind::group) {
    // Drawn on the page rather than made a window: a group box window would
    // hide the page under its inside.
    group_ = {place.page,
              RECT{area.left + place.x, area.top + place.y - kTitleHeight, area.left + place.x + place.width,
                   area.top + place.y + place.height - kTitleHeight},
              win32::widen(place.caption)};
    return;
  }
  const wchar_t* window_class = L"BUTTON";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ex_style = 0;
  switch (place.kind) {
    case ControlKind::check_box:
      style |= BS_AUTOCHECKBOX | WS_TABSTOP;
      break;
    case ControlKind::label:
      window_class = L"STATIC";
      // Blanks that were to leave room for a field are font-dependent: at
      // another DPI or with another font the words after them land
      // elsewhere, cut off or under the field. Drawn around the field.
      style |= split_caption(place.caption) ? SS_OWNERDRAW : SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::group:
      return;
    case ControlKind::list:
      window_class = L"COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
      break;
    case ControlKind::edit:
      window_class = L"EDIT";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      ex_style = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::slider:
      window_class = TRACKBAR_CLASSW;
      style |= WS_TABSTOP | (place.id == kTrackBar ? TBS_NOTICKS : TBS_AUTOTICKS);
      break;
    case ControlKind::font_button:
      style |= BS_OWNERDRAW | WS_TABSTOP;
      break;
  }
  const HWND control =
      CreateWindowExW(ex_style, window_class, win32::widen(place.caption).c_str(), style, area.left + place.x,
                      area.top + place.y, place.width, place.height, handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle(), GWLP_HINSTANCE)), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  page_of_[control] = place.page;
  if (place.id != kCaption) controls_[place.id] = control;
  if (place.kind == ControlKind::label && split_caption(place.caption))
    split_captions_[control] = last_field_;
  if (place.kind == ControlKind::list || place.kind == ControlKind::edit) last_field_ = place.id;
  if (!place.hint.empty()) {
    std::wstring hint = win32::widen(place.hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = hint.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void TFormOptions::draw_split_caption(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  const auto found = split_captions_.find(item.hwndItem);
  const HWND field = found == split_captions_.end() ? nullptr : control(found->second);
  const std::string caption = win32::narrow(win32::window_text(item.hwndItem));
  const auto parts = split_caption(caption);
  if (!field || !parts) return;
  RECT field_box{};
  GetWindowRect(field, &field_box);
  MapWindowPoints(nullptr, item.hwndItem, reinterpret_cast<POINT*>(&field_box), 2);
  const int gap = base::scale_length(4, dpi_layout_.dpi());
  const win32::SelectedObject font(item.hDC,
                                   reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
  // The words before may run up to the field, never under it.
  RECT head = item.rcItem;
  head.right = field_box.left;
  RECT tail = item.rcItem;
  tail.left = field_box.right + gap;
  const UINT flags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
  DrawTextW(item.hDC, win32::widen(parts->first).c_str(), -1, &head, flags);
  DrawTextW(item.hDC, win32::widen(parts->second).c_str(), -1, &tail, flags);
}

void TFormOptions::fill_lists() {
  fill_list(control(kComboBoxVolumeStep), kVolumeStepItems);
  static constexpr std::string_view kBorders[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10"};
  fill_list(control(kComboBoxProgressWidth), kBorders);
  fill_list(control(kComboBoxVisibleTime), kVisibleTimeItems);
  fill_list(control(kComboBoxShowOn), kShowOnItems);
  fill_list(control(kComboBoxColorScheme), kColourSchemeItems);
  fill_list(control(kComboBoxQuality), quality_items());
  SendMessageW(control(kTrackBarMainAlpha), TBM_SETRANGE, FALSE, MAKELPARAM(2, 10));
  SendMessageW(control(kTrackBar), TBM_SETRANGEMIN, FALSE, 0);
  SendMessageW(control(kTrackBar), TBM_SETRANGEMAX, FALSE, 65535);
  // Not stored: shown again at every start.
  SendMessageW(control(kCheckBoxShowOSD), BM_SETCHECK, BST_CHECKED, 0);
}

void TFormOptions::show_page(int index) {
  if (index != page_) InvalidateRect(page_control_, nullptr, TRUE);
  const bool turned_to_sound = index == kSoundPage && page_ != kSoundPage;
  page_ = index;
  // Shown with what the line holds now, not what it held when chosen.
  if (turned_to_sound && sound_ && sound_->refresh(false)) return;
  TabCtrl_SetCurSel(page_control_, index);
  // "Volume Test:" and "Mute/Select:" show only for a line that has them.
  const bool slider = sound_ && sound_->state().track_visible;
  const bool box = sound_ && sound_->state().box_visible;
  for (const auto& [window, page] : page_of_) {
    bool shown = page == index;
    if (window == control(kTrackBar) || window == control(kLabel14)) shown = shown && slider;
    if (window == control(kCheckBox) || window == control(kLabel15)) shown = shown && box;
    ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
  }
}

void TFormOptions::show_model() {
  const SettingsModel& model = settings_.model();
  const bool was_showing = std::exchange(showing_, true);
  for (const auto& [id, field] : kCheckBoxes) set_check_if_other(control(id), model.*field);
  show_autorun();
  SendMessageW(control(kTrackBarMainAlpha), TBM_SETPOS, TRUE, model.alpha);
  set_text_if_other(control(kLabel1), alpha_look(model.alpha).label);
  for (const auto& [id, field] : kLists) {
    if (SendMessageW(control(id), CB_GETCURSEL, 0, 0) != model.*field)
      SendMessageW(control(id), CB_SETCURSEL, static_cast<WPARAM>(model.*field), 0);
  }
  for (const NumericField& field : kNumericFields) set_text_if_other(control(field.id), model.*field.text);
  const std::pair<int, const FontSetting*> fonts[] = {{kButtonTextFont, &model.text_font},
                                                      {kButtonOSDFont, &model.osd_font}};
  // Each font as large as it will show on this screen.
  const int dpi = dpi_layout_.dpi();
  for (const auto& [id, font] : fonts) button_fonts_[id] = make_font(font->name, font->points, false, dpi);
  for (const int id : {kButtonBorderColor, kButtonProgressColor}) {
    if (!button_fonts_[id]) button_fonts_[id] = make_font("MS Sans Serif", 10, true, dpi);
  }
  for (const int id : {kButtonTextFont, kButtonOSDFont, kButtonBorderColor, kButtonProgressColor})
    InvalidateRect(control(id), nullptr, TRUE);
  if (sound_) {
    const SoundPageState& state = sound_->state();
    if (!state.detached && (model.mixer != state.mixer || model.volume != state.volume)) {
      const auto [mixer, volume] = sound_->select_stored(model.mixer, model.volume);
      settings_.set_volume_for(sound_->line().destination);
      if (mixer != model.mixer || volume != model.volume) {
        SettingsModel in_force = model;
        in_force.mixer = mixer;
        in_force.volume = volume;
        settings_.change(in_force);
      }
    }
  }
  showing_ = was_showing;
}

void TFormOptions::show_autorun() {
  const bool was_showing = std::exchange(showing_, true);
  set_check_if_other(control(kCheckBoxAutorun), settings_.autorun_present());
  showing_ = was_showing;
}

void TFormOptions::attach_mixer(audio::MixerDriver& driver, audio::TAudioMixer& mixer) {
  sound_ = std::make_unique<SoundPage>(driver, mixer);
  sound_->on_shown = [this] { show_sound_page(); };
  sound_->FormCreate();
  show_model();
}

void TFormOptions::show_sound_page() {
  const SoundPageState& state = sound_->state();
  const bool was_showing = std::exchange(showing_, true);
  const std::pair<int, const std::vector<std::string>*> lists[] = {{kComboBoxMixer, &state.mixers},
                                                                   {kComboBoxVolumeFor, &state.volume_for},
                                                                   {kComboBoxVolume, &state.volumes}};
  const int selections[] = {state.mixer, state.destination, state.volume};
  for (std::size_t i = 0; i < std::size(lists); ++i) {
    const HWND list = control(lists[i].first);
    const std::vector<std::string>& items = *lists[i].second;
    if (items != sound_lists_[i]) {
      SendMessageW(list, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : items)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::widen(item).c_str()));
      sound_lists_[i] = items;
    }
    if (SendMessageW(list, CB_GETCURSEL, 0, 0) != selections[i])
      SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selections[i]), 0);
  }
  SendMessageW(control(kTrackBar), TBM_SETPOS, TRUE, state.track_position);
  set_check_if_other(control(kCheckBox), state.box_checked);
  showing_ = was_showing;
  show_page(page_);
}

void TFormOptions::refresh_sound_page() {
  if (!sound_ || page_ != kSoundPage || !IsWindowVisible(handle())) return;
  // The slider is the user's while they drag it.
  sound_->refresh(GetCapture() == control(kTrackBar));
}

void TFormOptions::change(const std::function<void(SettingsModel&)>& edit) {
  SettingsModel model = settings_.model();
  edit(model);
  settings_.change(model);
}

void TFormOptions::on_command(int id, int code) {
  if (showing_) return;
  const HWND window = control(id);
  if (code == BN_CLICKED) {
    const bool checked = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (const auto& [box, field] : kCheckBoxes) {
      if (box == id) return change([&, field = field](SettingsModel& m) { m.*field = checked; });
    }
    if (id == kCheckBoxShowOSD) return settings_.set_show_osd(checked);
    if (id == kCheckBoxAutorun) return settings_.set_autorun(checked);
    if (id == kCheckBox && sound_) return sound_->click_box(checked);
    if (id == kButtonTextFont || id == kButtonOSDFont || id == kButtonBorderColor ||
        id == kButtonProgressColor)
      return font_button_click(id);
  } else if (code == CBN_SELCHANGE) {
    const int selected = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
    for (const auto& [list, field] : kLists) {
      if (list == id) return change([&, field = field](SettingsModel& m) { m.*field = selected; });
    }
    if (!sound_) return;
    if (id == kComboBoxMixer) sound_->choose_mixer(selected);
    if (id == kComboBoxVolumeFor) sound_->choose_destination(selected);
    if (id == kComboBoxVolume) sound_->choose_volume(selected);
    settings_.set_volume_for(sound_->line().destination);
    const SoundPageState& state = sound_->state();
    change([&](SettingsModel& m) {
      m.mixer = state.detached ? m.mixer : state.mixer;
      m.volume = state.volume < 0 ? 0 : state.volume;
    });
  } else if (code == EN_CHANGE) {
    edit_changed(id);
  } else if (code == EN_KILLFOCUS) {
    edit_left(id);
  }
}

void TFormOptions::on_scroll(HWND bar) {
  if (showing_) return;
  const int position = static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
  if (bar == control(kTrackBarMainAlpha)) {
    change([position](SettingsModel& m) { m.alpha = position; });
  } else if (bar == control(kTrackBar) && sound_) {
    sound_->move_track_bar(position);
  }
}

void TFormOptions::edit_changed(int id) {
  const NumericField* field = numeric_field(id);
  if (!field) return;
  const std::string text = win32::narrow(win32::window_text(control(id)));
  const FieldText checked = field_changed(field->field, text, screen_now());
  if (checked.text != text) {
    if (checked.beep) MessageBeep(MB_OK);
    DWORD caret = 0;
    SendMessageW(control(id), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    // Setting the text runs this handler again with the corrected text, and
    // puts the caret in front of it.
    SetWindowTextW(control(id), win32::widen(checked.text).c_str());
    const int place = caret_after_check(checked, static_cast<int>(caret));
    SendMessageW(control(id), EM_SETSEL, static_cast<WPARAM>(place), place);
    return;
  }
  change([&](SettingsModel& m) { m.*field->text = text; });
}

void TFormOptions::edit_left(int id) {
  const NumericField* field = numeric_field(id);
  if (!field) return;
  const std::string text = win32::narrow(win32::window_text(control(id)));
  set_text_if_other(control(id), field_left(field->field, text, screen_now()));
}

void TFormOptions::ButtonDefaultClick() {
  if (MessageBoxW(handle(), L"Reset all settings to default?", L"Default ?",
                  MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES)
    settings_.reset_to_defaults();
}

void TFormOptions::close() {
  ShowWindow(handle(), SW_HIDE);
}

bool TFormOptions::take_dialog_key(const MSG& message) {
  if (ui::TGradientButton::handle_dialog_key(handle(), message)) return true;
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
  close();
  return true;
}

void TFormOptions::ButtonOKClick() {
  ShowWindow(handle(), SW_HIDE);
  if (const auto error = settings_.save()) {
    if (const auto message = save_notice_.message_for(settings_.path(), *error))
      MessageBoxW(nullptr, win32::widen(*message).c_str(), L"Vantrel",
                  MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
  }
}

void TFormOptions::FormMouseDown() {
  GetCursorPos(&drag_anchor_);
}

void TFormOptions::FormMouseMove(bool left_down) {
  if (!left_down) return;
  POINT now{};
  GetCursorPos(&now);
  RECT bounds{};
  GetWindowRect(handle(), &bounds);
  SetWindowPos(handle(), nullptr, bounds.left + now.x - drag_anchor_.x, bounds.top + now.y - drag_anchor_.y,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  drag_anchor_ = now;
}

LRESULT CALLBACK TFormOptions::watch_page_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                  UINT_PTR, DWORD_PTR self) {
  auto& form = *reinterpret_cast<TFormOptions*>(self);
  if (message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE) {
    // The tabs drag the window on every page; a page's own surface on every
    // page but "Sound".
    RECT area{};
    GetClientRect(window, &area);
    TabCtrl_AdjustRect(window, FALSE, &area);
    const bool on_tabs = GET_Y_LPARAM(lparam) < area.top;
    if (on_tabs || form.page_ != kSoundPage) {
      if (message == WM_LBUTTONDOWN)
        form.FormMouseDown();
      else
        form.FormMouseMove((wparam & MK_LBUTTON) != 0);
    }
  } else if (message == WM_PAINT && form.page_ == form.group_.page) {
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    const win32::WindowDc dc(window);
    const RECT& group = form.group_.bounds;
    RECT frame = form.dpi_layout_.scale(RECT{group.left, group.top + 6, group.right, group.bottom});
    DrawEdge(dc.get(), &frame, EDGE_ETCHED, BF_RECT);
    const win32::SelectedObject font(dc.get(), form.dpi_layout_.shown_font(form.font_.get()));
    SetBkColor(dc.get(), GetSysColor(COLOR_BTNFACE));
    RECT caption = form.dpi_layout_.scale(RECT{group.left + 8, group.top, group.right - 8, group.top + 14});
    DrawTextW(dc.get(), form.group_.caption.c_str(), -1, &caption, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    return result;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &TFormOptions::watch_page_control, 1);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void TFormOptions::apply_colour_scheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  apply_title_bar_colours(bar_->colors(), scheme);
  for (ui::TGradientButton* button : {default_.get(), ok_.get()})
    apply_action_button_colours(button->colors(), scheme);
  for (ui::TGradientButton* button : {bar_.get(), default_.get(), ok_.get()})
    button->set_color(scheme.window);
  background_.reset(CreateSolidBrush(win32::colour_ref(scheme.window)));
  RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TFormOptions::apply_quality(ui::TGradientQuality quality) {
  for (ui::TGradientButton* button : {bar_.get(), default_.get(), ok_.get()}) button->set_quality(quality);
}

}  // namespace vantrel::app
