#include "app/menu_bar_win32.h"

#include <initializer_list>
#include <utility>

#include "app/menu_commands.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

constexpr int kFirstButtonId = 210;
constexpr base::ColourValue kNavy = base::rgb(0, 0, 128);

// One menu line: a separator when it has no caption.
struct Item {
  const wchar_t* caption = nullptr;
  int command = 0;
  UINT flags = MF_STRING;
};
constexpr Item kSeparator{};

// The built-in functions of PopupMenuFunctions, in its order; a zero
// command is the separator.
constexpr std::pair<int, const char*> kFunctions[] = {
    {kVolumeUp1, "VolumeUp"},
    {kVolumeDown1, "VolumeDown"},
    {kVolumeMute1, "VolumeMute"},
    {0, nullptr},
    {kShowHideaplication1, "Show/Hide Application"},
};

win32::UniqueMenu make_menu(std::initializer_list<Item> items) {
  win32::UniqueMenu menu(CreatePopupMenu());
  for (const Item& item : items) {
    if (item.caption)
      AppendMenuW(menu.get(), item.flags, static_cast<UINT_PTR>(item.command), item.caption);
    else
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  }
  return menu;
}

std::array<win32::UniqueMenu, 4> make_menus() {
  std::array<win32::UniqueMenu, 4> menus{
      make_menu({{L"New", kNew1},
                 {L"Delete Selected", kDelete1},
                 kSeparator,
                 {L"Reset all to default", kResettodefault1}}),
      make_menu({{L"Options", kOptions1},
                 kSeparator,
                 {L"Refresh", kRefresh1},
                 {L"Realign list", kRealignlist1},
                 kSeparator,
                 {L"Properties panel", kPropertiespanel1, MF_STRING | MF_CHECKED}}),
      make_menu({{L"Hide", kHide1}, {L"Minimize", kMinimize1}, kSeparator, {L"Exit", kExit1}}),
      make_menu({{L"What's new", kWhatsnew1}, {L"Open the folder of my files", kOpenDataFolder}}),
  };
  win32::UniqueMenu online = make_menu(
      {{L"Submit a bug", kSubmitabug1}, {L"Check for updates", kCheckforupdates1}, {L"Forum", kForum1}});
  HMENU help = menus[static_cast<std::size_t>(MenuButton::help)].get();
  // The Help menu owns its submenu from here on and destroys it with itself.
  if (AppendMenuW(help, MF_POPUP, reinterpret_cast<UINT_PTR>(online.get()), L"Online")) online.release();
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING, kAbout1, L"About");
  return menus;
}

}  // namespace

MenuBar::MenuBar(HWND window)
    : window_(window),
      font_(CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif")),
      menus_(make_menus()) {
  static constexpr const wchar_t* kCaptions[] = {L"Hotkeys", L"View", L"Window", L"Help"};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ui::Rect& bounds = kMenuButtonBounds[i];
    auto& button = buttons_[i];
    button =
        std::make_unique<ui::TGradientButton>(window, kFirstButtonId + static_cast<int>(i), kCaptions[i],
                                              RECT{bounds.left, bounds.top, bounds.right, bounds.bottom});
    SetWindowLongPtrW(button->handle(), GWL_STYLE,
                      GetWindowLongPtrW(button->handle(), GWL_STYLE) & ~WS_TABSTOP);
    button->set_font(font_.get());
    button->set_text_colour(kNavy);
    button->on_click = [this, i] { pop_up(static_cast<MenuButton>(i)); };
  }
}

void MenuBar::apply(const ColourScheme& scheme, ui::TGradientQuality quality) {
  for (const auto& button : buttons_) {
    apply_menu_button_colours(button->colors(), scheme);
    button->set_text_colour(scheme.dark);
    button->set_color(scheme.window);
    button->set_quality(quality);
  }
}

bool MenuBar::properties_panel_checked() const {
  const HMENU view = menus_[static_cast<std::size_t>(MenuButton::view)].get();
  return (GetMenuState(view, kPropertiespanel1, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MenuBar::set_properties_panel_checked(bool checked) {
  const HMENU view = menus_[static_cast<std::size_t>(MenuButton::view)].get();
  CheckMenuItem(view, kPropertiespanel1, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuBar::pop_up(MenuButton button) {
  RECT window_bounds{};
  GetWindowRect(window_, &window_bounds);
  const ui::Point at =
      menu_point({window_bounds.left, window_bounds.top}, button, win32::window_dpi(window_));
  // The Window menu chooses with the left button only, the others with
  // either.
  const UINT choosing = button == MenuButton::window ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
  const int chosen = static_cast<int>(TrackPopupMenu(menus_[static_cast<std::size_t>(button)].get(),
                                                     TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | choosing,
                                                     at.x, at.y, 0, window_, nullptr));
  if (chosen == kPropertiespanel1) set_properties_panel_checked(!properties_panel_checked());
  // Posted, as a menu posts its choice: the command runs once this click is
  // over.
  if (chosen != 0) PostMessageW(window_, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

void pop_up_functions_menu(HWND owner, POINT at) {
  const win32::UniqueMenu menu(CreatePopupMenu());
  for (const auto& [command, name] : kFunctions) {
    if (command == 0) {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(command), win32::widen(name).c_str());
    }
  }
  SetForegroundWindow(owner);
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

std::optional<std::string> function_for_command(int id) {
  for (const auto& [command, name] : kFunctions) {
    if (command != 0 && command == id) return std::string(name);
  }
  return std::nullopt;
}

}  // namespace vantrel::app
