// The main window's side of the hotkey editor: the properties panel and
// the rows it edits, the list's selection, check boxes, keys and menu, and
// the Hotkeys menu's New, Delete and Reset.
#include <windowsx.h>

#include "app/main_window_win32.h"
#include "app/menu_commands.h"
#include "app/window_layout.h"
#include "editor/hotkey_editor.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

int message_box(HWND owner, std::string_view text, std::string_view caption, UINT style) {
  return MessageBoxW(owner, win32::widen(text).c_str(), win32::widen(caption).c_str(), style);
}

}  // namespace

void MainWindow::create_properties_panel() {
  panel_ =
      std::make_unique<PropertiesPanel>(handle(),
                                        RECT{kPropertiesPanelBounds.left, kPropertiesPanelBounds.top,
                                             kPropertiesPanelBounds.right, kPropertiesPanelBounds.bottom},
                                        list_->icons());
  panel_->on_apply = [this] { button_apply_click(); };
  panel_->on_test = [this] { button_test_click(); };
  panel_->on_functions = [this] {
    panel_->set_hints_active(false);
    pop_up_functions_menu(handle(), panel_->functions_menu_point());
    panel_->set_hints_active(true);
  };
  // Escape: the pending changes go, the row shows as it is.
  panel_->on_restore = [this] { panel_->fill(rows_, list_->selected()); };
  panel_->on_tab_out = [this](bool) { SetFocus(list_->handle()); };
  if (body_drag_) body_drag_->watch(panel_->handle());

  list_->on_check_box = [this](hotkeys::HotkeyListView::Hit hit) {
    const auto row = check_box_row(hit.item, hit.on_check_box, rows_.size());
    if (row) PostMessageW(handle(), kApplyCheckBox, static_cast<WPARAM>(*row), 0);
    return row.has_value();
  };
  list_->on_tab = [this](bool backwards) {
    // A panel the shorter window cuts off takes no focus.
    if (properties_panel_checked()) panel_->take_focus(backwards);
  };
}

void MainWindow::on_list_notify(const NMHDR& header) {
  if (!list_ || header.hwndFrom != list_->handle() || filling_list_) return;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      // ListView1SelectItem: any change of selection fills the panel anew,
      // dropping what was pending.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED))
        panel_->fill(rows_, list_->selected());
      break;
    }
    case NM_DBLCLK:
      properties1_click();
      break;
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
      if (key.wVKey == VK_DELETE) {
        delete1_click();
      } else if (key.wVKey == VK_RETURN) {
        // A copy: the action may change the rows under it.
        if (const auto action = test_action(rows_, list_->selected()))
          actions::run_hotkey_action(*action, false, *this);
      }
      break;
    }
    default:
      break;
  }
}

void MainWindow::apply_check_box(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size())) return;
  // Selecting the row fills the panel, which the click fills and applies
  // itself.
  without_list_notifications([&] { list_->select(index); });
  const ApplyResult result = panel_->click_check_box(rows_, static_cast<std::size_t>(index), *registrar_);
  without_list_notifications([&] { list_->update_row(index, rows_[static_cast<std::size_t>(index)]); });
  save_hotkeys_after(result.outcome);
  if (result.message) show_info(*result.message);
}

void MainWindow::button_apply_click() {
  const int selected = list_->selected();
  const ApplyResult result = panel_->apply(rows_, selected, *registrar_);
  if (result.outcome != ApplyOutcome::nothing_selected)
    without_list_notifications(
        [&] { list_->update_row(selected, rows_[static_cast<std::size_t>(selected)]); });
  save_hotkeys_after(result.outcome);
  if (result.message) show_info(*result.message);
}

void MainWindow::button_test_click() {
  if (const auto action = test_action(rows_, list_->selected()))
    actions::run_hotkey_action(*action, true, *this);
}

void MainWindow::function_click(int id) {
  if (const auto text = function_for_command(id)) panel_->set_action(*text);
}

void MainWindow::show_hotkeys_list_menu(LPARAM at) {
  // PopupMenuHotkeysList. "Properties" brings back a panel the shorter
  // window cuts off.
  const win32::UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING, kNew1, L"New hotkey");
  AppendMenuW(menu.get(), MF_STRING | (properties_panel_checked() ? MF_GRAYED : 0), kProperties1,
              L"Properties");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kDelete1, L"Delete selected");
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (point.x == -1 && point.y == -1) GetCursorPos(&point);
  SetForegroundWindow(handle());
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, handle(),
                 nullptr);
  PostMessageW(handle(), WM_NULL, 0, 0);
}

void MainWindow::new1_click() {
  const std::size_t index = add_new_hotkey(rows_);
  const int row = static_cast<int>(index);
  without_list_notifications([&] {
    list_->add_row(rows_[index]);
    list_->select(row);
  });
  panel_->fill(rows_, row);
  save_hotkeys_now();
}

void MainWindow::delete1_click() {
  const int selected = list_->selected();
  if (selected < 0 || selected >= static_cast<int>(rows_.size())) return;
  if (message_box(handle(), kDeleteQuestion, kDeleteCaption, MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
    return;
  if (!delete_hotkey(rows_, selected, *registrar_)) return;
  without_list_notifications([&] { list_->remove_row(selected); });
  panel_->clear();
  save_hotkeys_now();
}

void MainWindow::resettodefault1_click() {
  if (message_box(handle(), kResetQuestion, kResetCaption, MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES) return;
  message_box(handle(), kRestartWarning, kRestartCaption, MB_OK | MB_ICONWARNING);
  // Exit saves the empty list, which the next start reads as "no hotkeys
  // yet" and so begins with the default list.
  reset_hotkeys(rows_, *registrar_);
  show_rows();
  panel_->clear();
  save_hotkeys_now();
  exit_command();
}

void MainWindow::save_hotkeys_after(ApplyOutcome outcome) {
  // Nothing selected or incomplete leaves every row as it was.
  if (outcome != ApplyOutcome::nothing_selected && outcome != ApplyOutcome::incomplete) save_hotkeys_now();
}

void MainWindow::save_hotkeys_now() {
  // Each change reaches the disk at once, so a crash, a kill or a power cut
  // loses none of the session; a failure is told once per run.
  report_save(hotkeys_path_, save_hotkeys());
}

void MainWindow::properties1_click() {
  set_properties_panel_checked(true);
  properties_panel1_click();
}

}  // namespace vantrel::app
