#include "app/main_window_win32.h"

#include <shellapi.h>
#include <windowsx.h>

#include "actions/registration.h"
#include "app/data_folder_win32.h"
#include "app/help_commands.h"
#include "app/menu_commands.h"
#include "app/single_instance_win32.h"
#include "app/startup_marks_win32.h"
#include "app/window_layout.h"
#include "frame/window_outline_win32.h"
#include "hotkeys/hotkeys_file.h"
#include "inifile/profile_storage.h"
#include "ui/shell_open_win32.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

constexpr int kClientWidth = kMainWindowWidth;
constexpr int kClientHeight = main_window_height(true);
constexpr COLORREF kBackground = RGB(220, 240, 255);
constexpr int kListId = 100;

constexpr UINT_PTR kTimerInit = 1;
constexpr UINT kTimerInitInterval = 10;
constexpr UINT_PTR kTimerLogo = 2;
constexpr UINT kTimerLogoInterval = 2000;

constexpr UINT kAfterStartup = WM_APP + 2;

std::optional<std::string> computer_name() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetComputerNameW(name, &size)) return std::nullopt;
  return win32::narrow(std::wstring_view(name, size));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, settings::SettingsStore& settings, osd::Display& display,
                       audio::VolumeControl& volume)
    : instance_(instance),
      settings_(settings),
      display_(display),
      volume_(volume),
      hotkeys_path_(settings::profile_path(data_folder(), hotkeys::kHotkeysFileName)),
      settings_path_(settings::profile_path(data_folder(), "Settings.ini")),
      background_(CreateSolidBrush(kBackground)) {
  register_class(instance, win32::widen(kMainWindowClass).c_str(), background_.get());
  mark_startup("main window class registered");
  // Made at the system's DPI; WM_CREATE lays it out again at its own
  // monitor's should that differ.
  const ui::Size size = main_window_size(true, win32::system_dpi());
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
  create(instance, win32::widen(kMainWindowClass).c_str(), win32::widen(kMainWindowTitle).c_str(),
         WS_POPUP | WS_CLIPCHILDREN, 0, RECT{left, top, left + size.width, top + size.height}, nullptr);
}

MainWindow::~MainWindow() {
  // The controls go before the window that holds them, while this object
  // still sees its messages.
  destroy();
}

LRESULT MainWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  // A second copy of the program asks for the window with a registered
  // message, which has no fixed number to switch on.
  if (message == show_request_message_ && show_request_message_ != 0) {
    tray_icon1_click();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      registrar_.emplace(handle());
      apply_rounded_outline(handle());
      create_controls();
      // The controls are made at their designed 96-DPI places.
      dpi_layout_.capture(handle());
      frame_->fit(kClientWidth, kClientHeight, &dpi_layout_);
      lay_out(win32::window_dpi(handle()));
      mark_startup("laid out at the window's DPI");
      create_tray_icon();
      mark_startup("tray icon and program icons");
      SetTimer(handle(), kTimerInit, kTimerInitInterval, nullptr);
      SetTimer(handle(), kTimerLogo, kTimerLogoInterval, nullptr);
      return 0;
    case WM_TIMER:
      // Each start-up timer fires once.
      KillTimer(handle(), wparam);
      if (wparam == kTimerInit) {
        MarkedStartupHost marked(*this);
        run_startup_tick(startup_marks_wanted() ? static_cast<StartupHost&>(marked) : *this);
        // A shown window is painted before the mixer opens: the user sees
        // the list without waiting for the sound devices.
        if (IsWindowVisible(handle()))
          RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PostMessageW(handle(), kAfterStartup, 0, 0);
      }
      // TimerLogo's tick hides the splash, shown or not.
      if (wparam == kTimerLogo && hide_splash_window) hide_splash_window();
      return 0;
    case WM_CONTEXTMENU:
      // The hotkey list has a menu of its own.
      if (list_ && reinterpret_cast<HWND>(wparam) == list_->handle()) {
        show_hotkeys_list_menu(lparam);
        return 0;
      }
      show_context_menu(lparam);
      return 0;
    case WM_COMMAND:
      on_command(LOWORD(wparam));
      return 0;
    case WM_NOTIFY:
      on_list_notify(*reinterpret_cast<const NMHDR*>(lparam));
      return 0;
    case WM_HOTKEY:
      // Here rather than in the message loop: message boxes, menus and
      // dialogs run loops of their own, and every loop dispatches here.
      run_hotkey(static_cast<long long>(wparam));
      return 0;
    case kAfterStartup:
      if (after_startup) after_startup();
      return 0;
    case kApplyCheckBox:
      apply_check_box(static_cast<int>(wparam));
      return 0;
    case WM_SIZE:
      // Minimizing hides to the tray when "Minimize to Tray" is on.
      if (wparam == SIZE_MINIMIZED && tray_icon1_) tray_icon1_->icon().application_minimized();
      return Window::on_message(message, wparam, lparam);
    case WM_WINDOWPOSCHANGED:
      // However the window comes back. Not WM_SHOWWINDOW: restoring a
      // minimized window that was hidden does not send it.
      if ((reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_SHOWWINDOW) && tray_icon1_)
        tray_icon1_->icon().application_shown();
      return Window::on_message(message, wparam, lparam);
    // FormMouseDown and FormMouseMove: the window's own surface, and what
    // lets the mouse through to it (the frame lines, a group box, a label).
    case WM_LBUTTONDOWN:
      // Held until the button is let go, so a quick drag keeps the window.
      SetCapture(handle());
      [[fallthrough]];
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (body_drag_) body_drag_->form_mouse_down({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_MOUSEMOVE:
      if (body_drag_)
        body_drag_->form_mouse_move({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, (wparam & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle()) ReleaseCapture();
      return 0;
    case WM_CLOSE:
      if (handle_close_request(exiting_, *this)) destroy();
      return 0;
    case WM_DPICHANGED:
      // Moved to a screen of another DPI (or its DPI changed): the place
      // the system suggests keeps the window under the mouse.
      lay_out(win32::take_suggested_place(handle(), wparam, lparam));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) handle_session_end(*this);
      return 0;
    case WM_DESTROY:
      // The panel first: it borrows the list's icons.
      panel_.reset();
      list_.reset();
      body_drag_.reset();
      title_.reset();
      menu_bar_.reset();
      frame_.reset();
      tray_icon1_.reset();
      PostQuitMessage(0);
      return 0;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

void MainWindow::create_controls() {
  title_ = std::make_unique<TitleStrip>(handle(), kClientWidth, L"Vantrel");
  title_->on_minimize = [this] { ShowWindow(handle(), SW_MINIMIZE); };
  title_->on_hide = [this] { hide_command(); };
  // The scheme and quality the settings give by default; the Options window
  // will apply the user's.
  title_->apply(colour_scheme(kDefaultSchemeName), ui::TGradientQuality::bqLow);
  menu_bar_ = std::make_unique<MenuBar>(handle());
  menu_bar_->apply(colour_scheme(kDefaultSchemeName), ui::TGradientQuality::bqLow);
  mark_startup("title strip and menu bar");
  list_ = std::make_unique<hotkeys::HotkeyListView>(
      handle(), kListId, RECT{kListBounds.left, kListBounds.top, kListBounds.right, kListBounds.bottom});
  mark_startup("hotkey list and its image lists");
  frame_ = std::make_unique<WindowFrame>(handle(), kClientWidth, kClientHeight);
  body_drag_ = std::make_unique<BodyDrag>(handle(), [this] { return settings_.easy_move(); });
  body_drag_->on_mouse_move = [this] { close_icon_picker(); };
  body_drag_->watch(list_->handle());
  create_properties_panel();
  looks_.attach(SchemedWindowRole::main, this);
  mark_startup("frame and properties panel");
}

void MainWindow::lay_out(int dpi) {
  // The list's font first: the list lays out its header when it is moved.
  if (list_->set_dpi(dpi) && panel_) panel_->icons_resized();
  dpi_layout_.apply(dpi);
  fit_designed_size(handle(), kClientWidth, main_window_height(properties_panel_checked()),
                    dpi_layout_.dpi());
}

void MainWindow::show_context_menu(LPARAM at) {
  const win32::UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING, kAbout1, L"About");
  AppendMenuW(menu.get(), MF_STRING, kOptions1, L"Options");
  AppendMenuW(menu.get(), MF_STRING, kWhatsnew1, L"What's new");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kHide1, L"Hide");
  AppendMenuW(menu.get(), MF_STRING, kMinimize1, L"Minimize");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kExit1, L"Exit");
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (point.x == -1 && point.y == -1) GetCursorPos(&point);
  SetForegroundWindow(handle());
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, point.x, point.y, 0, handle(),
                 nullptr);
  PostMessageW(handle(), WM_NULL, 0, 0);
}

void MainWindow::on_command(int id) {
  switch (id) {
    case kHide1:
      hide_command();
      break;
    case kMinimize1:
      ShowWindow(handle(), SW_MINIMIZE);
      break;
    case kExit1:
      exit_command();
      break;
    case kRefresh1:
      refresh1_click();
      break;
    case kRealignlist1:
      realign_list1_click();
      break;
    case kPropertiespanel1:
      properties_panel1_click();
      break;
    case kNew1:
      new1_click();
      break;
    case kDelete1:
      delete1_click();
      break;
    case kResettodefault1:
      resettodefault1_click();
      break;
    case kProperties1:
      properties1_click();
      break;
    case kVolumeUp1:
    case kVolumeDown1:
    case kVolumeMute1:
    case kShowHideaplication1:
      function_click(id);
      break;
    case kOptions1:
      if (on_options) on_options();
      break;
    case kAbout1:
      if (on_about) on_about();
      break;
    case kWhatsnew1:
      // history.txt opens in its own window; the pages go to the browser
      // with no window of ours as their owner.
      ui::open_through_shell(handle(), handle(), L"open",
                             help_target(HelpCommand::whats_new, win32::program_folder()));
      break;
    case kOpenDataFolder:
      ui::open_through_shell(handle(), handle(), L"open", data_folder());
      break;
    case kSubmitabug1:
    case kCheckforupdates1:
    case kForum1: {
      const HelpCommand command = id == kCheckforupdates1 ? HelpCommand::check_for_updates
                                  : id == kForum1         ? HelpCommand::forum
                                                          : HelpCommand::submit_a_bug;
      ui::open_through_shell(nullptr, handle(), L"open", help_target(command, win32::program_folder()));
      break;
    }
    default:
      break;
  }
}

void MainWindow::refresh1_click() {
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RedrawWindow(list_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void MainWindow::realign_list1_click() {
  // Also closes again the columns the user has dragged open.
  list_->set_columns();
  RedrawWindow(list_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void MainWindow::properties_panel1_click() {
  // The outline made at creation stays: it already covers the taller
  // window.
  const ui::Size size = main_window_size(properties_panel_checked(), dpi_layout_.dpi());
  SetWindowPos(handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  frame_->fit(kClientWidth, main_window_height(properties_panel_checked()), &dpi_layout_);
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  settings_.set_properties_panel(properties_panel_checked());
}

bool MainWindow::properties_panel_checked() const {
  return menu_bar_->properties_panel_checked();
}

void MainWindow::set_properties_panel_checked(bool checked) {
  menu_bar_->set_properties_panel_checked(checked);
}

void MainWindow::close_icon_picker() {
  if (panel_) panel_->close_icon_picker();
}

void MainWindow::run_hotkey(long long identifier) {
  // A copy: the action may change the list (and so the rows) under it.
  if (const hotkeys::HotkeyRow* row = actions::row_for_identifier(rows_, identifier)) {
    const actions::Launch launch = actions::launch_of(*row);
    actions::run_hotkey_action(launch, false, *this);
  }
}

void MainWindow::show_info(const std::string& text) {
  MessageBoxW(handle(), win32::widen(text).c_str(), L"Vantrel", MB_OK);
}

void MainWindow::exit_command() {
  exiting_ = true;
  PostMessageW(handle(), WM_CLOSE, 0, 0);
}

void MainWindow::hide_command() {
  show_application();
  hide_application();
  if (close_about) close_about();
  if (close_options) close_options();
  report_save(hotkeys_path_, save_hotkeys());
}

void MainWindow::report_save(const std::string& path, const std::optional<std::string>& error) {
  if (!error) return;
  if (const auto message = save_notice_.message_for(path, *error)) {
    MessageBoxW(handle(), win32::widen(*message).c_str(), L"Vantrel", MB_OK | MB_ICONWARNING);
  }
}

// Start-up steps. The empty ones belong to parts of the program that are
// still to come (sound, splash, icon picker, registration, display); each
// is the place where that part plugs in.
void MainWindow::reset_volume_step() {
  settings_.reset_volume_step();
}

void MainWindow::without_list_notifications(const std::function<void()>& change) {
  filling_list_ = true;
  change();
  filling_list_ = false;
}

void MainWindow::show_rows() {
  without_list_notifications([this] { list_->show(rows_); });
}

void MainWindow::load_hotkeys() {
  rows_ = hotkeys::load_hotkeys(
      settings::load_document(storage_, hotkeys_path_, hotkeys::is_whole_hotkeys_file).document,
      computer_name());
  show_rows();
}

void MainWindow::load_settings() {
  settings_.load();
  apply_tray_settings();
}
bool MainWindow::logo_setting() const {
  return settings_.show_logo();
}
std::string MainWindow::command_line() const {
  return win32::narrow(GetCommandLineW());
}

std::string MainWindow::program_path() const {
  return win32::program_path();
}

void MainWindow::show_splash() {
  if (show_splash_window) show_splash_window();
}
void MainWindow::set_list_columns() {
  list_->set_columns();
}
void MainWindow::fill_icon_picker() {
  panel_->fill_icon_picker();
}
void MainWindow::register_enabled_hotkeys() {
  const std::vector<std::size_t> refused = actions::register_enabled_hotkeys(rows_, *registrar_);
  show_rows();
  // The rows stay disabled, as always; the balloon says why, once.
  if (!refused.empty() && tray_icon1_)
    tray_icon1_->icon().show_balloon({"Vantrel", actions::refused_hotkeys_message(rows_, refused)});
}
void MainWindow::reapply_display_positions() {
  settings_.reapply_positions();
}

void MainWindow::show_main_window() {
  hide_application();
  show_application();
}

void MainWindow::hide_main_window() {
  hide_application();
}
void MainWindow::unregister_all_hotkeys() {
  actions::unregister_all_hotkeys(rows_, *registrar_);
}
void MainWindow::clear_display() {
  display_.clear();
}

void MainWindow::lower_volume() {
  volume_.lower();
}
void MainWindow::raise_volume() {
  volume_.raise();
}
audio::Levels MainWindow::read_volume() {
  return volume_.read();
}
bool MainWindow::show_volume_progress_setting() const {
  return settings_.show_volume_progress();
}
bool MainWindow::toggle_mute() {
  return volume_.toggle_mute();
}

long long MainWindow::shell_open(const actions::ShellRequest& request) {
  // No arguments or folder is passed as none at all, as the shell
  // documents it (a document's parameters must be null; a null folder is
  // the current one), not as empty texts.
  const std::wstring parameters = win32::widen(request.parameters);
  const std::wstring directory = win32::widen(request.directory);
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", win32::widen(request.file).c_str(),
                                         parameters.empty() ? nullptr : parameters.c_str(),
                                         directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
  return static_cast<long long>(reinterpret_cast<INT_PTR>(result));
}

std::string MainWindow::expand_environment(const std::string& text) {
  if (text.find('%') == std::string::npos) return text;
  const std::wstring wide = win32::widen(text);
  // The size asked for includes the terminator; a variable may change
  // between the two calls, so a second shortfall keeps the text as it is.
  const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring expanded(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), needed);
  if (written == 0 || written > needed) return text;
  expanded.resize(written - 1);
  return win32::narrow(expanded);
}

void MainWindow::show_osd(const std::string& text) {
  display_.show_text(text);
}
std::optional<std::string> MainWindow::show_volume_progress(double left_percent, double right_percent) {
  return display_.show_volume_progress(left_percent, right_percent);
}
void MainWindow::show_message(const std::string& text) {
  show_info(text);
}

std::optional<std::string> MainWindow::save_settings() {
  return settings_.save();
}

std::optional<std::string> MainWindow::save_hotkeys() {
  list_->read_checks(rows_);
  return settings::save_document(
      storage_, hotkeys_path_,
      [this](settings::IniDocument& document) { hotkeys::store_hotkeys(rows_, document); },
      hotkeys::is_whole_hotkeys_file);
}

ExitSaveChoice MainWindow::ask_after_failed_save(SavedFile file, const std::string& reason) {
  const std::string& path = file == SavedFile::settings ? settings_path_ : hotkeys_path_;
  const int answer = MessageBoxW(handle(), win32::widen(exit_save_failure_message(path, reason)).c_str(),
                                 L"Vantrel", MB_CANCELTRYCONTINUE | MB_ICONWARNING | MB_DEFBUTTON1);
  if (answer == IDTRYAGAIN) return ExitSaveChoice::try_again;
  if (answer == IDCONTINUE) return ExitSaveChoice::exit_without_saving;
  return ExitSaveChoice::keep_running;
}

void MainWindow::resume_running() {
  exiting_ = false;
  actions::register_enabled_hotkeys(rows_, *registrar_);
  show_rows();
  show_application();
}

}  // namespace vantrel::app
