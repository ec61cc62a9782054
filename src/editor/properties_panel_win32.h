#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "editor/hotkey_editor.h"
#include "editor/icon_picker_win32.h"
#include "frame/colour_scheme.h"
#include "hotkeys/hotkey_record.h"
#include "ui/gradient_button_win32.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::app {

// GroupBoxProperties: the panel below the hotkey list in which the
// selected row is edited. It shows its HotkeyEditor and turns the user's
// edits into the editor's change handlers; what needs the rows (Apply,
// Test, restoring the row) goes to the owner through the callbacks.
class PropertiesPanel : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"TGroupBox";

  // `icons` (ImageListHotkeysLarge) is borrowed and must outlive the panel.
  PropertiesPanel(HWND parent, RECT bounds, HIMAGELIST icons);
  ~PropertiesPanel() override;

  const HotkeyEditor& editor() const { return editor_; }
  // FillPropertiesPanel and ClearPropertiesPanel.
  void fill(const std::vector<hotkeys::HotkeyRow>& rows, int selected);
  void clear();
  ApplyResult apply(std::vector<hotkeys::HotkeyRow>& rows, int selected, actions::HotkeyRegistrar& registrar);
  ApplyResult click_check_box(std::vector<hotkeys::HotkeyRow>& rows, std::size_t row,
                              actions::HotkeyRegistrar& registrar);
  // A built-in function's name from the functions menu into the action box.
  void set_action(const std::string& text);

  // The start-up step that puts the icons into the picker.
  void fill_icon_picker();
  void close_icon_picker();
  // The hotkey icons were made again at another size (a change of DPI).
  void icons_resized();

  void apply_colour_scheme(const ColourScheme& scheme);
  void apply_quality(ui::TGradientQuality quality);

  // Tab from outside: the first (or, backwards, the last) control that
  // takes the focus gets it; false when none does (a disabled panel).
  bool take_focus(bool backwards);
  // Where the functions menu opens: under the "v" button's left edge.
  POINT functions_menu_point() const;
  // Off while a menu opened from the panel shows: a hint over the button
  // would cover the menu's first item.
  void set_hints_active(bool active);

  // ButtonApplyClick (and Enter in the action box while changes wait).
  std::function<void()> on_apply;
  // ButtonTestClick.
  std::function<void()> on_test;
  // ButtonFunctionsClick: the owner pops up PopupMenuFunctions.
  std::function<void()> on_functions;
  // Escape: the owner fills the panel from the row again.
  std::function<void()> on_restore;
  // Tab past the last control, or Shift+Tab before the first.
  std::function<void(bool backwards)> on_tab_out;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void create_controls();
  HWND add_control(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT bounds, int id,
                   HFONT font, DWORD ex_style = 0);
  void watch_keys(HWND control);
  static LRESULT CALLBACK control_keys(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                       DWORD_PTR self);
  void on_control(int id, int code);
  void on_picker_notify(const NMHDR& header);
  void paint();
  // Puts the editor's state into the controls; their change messages while
  // it does are not edits.
  void show_editor();
  void browse();
  std::vector<HWND> tab_order() const;
  void move_focus(HWND from, bool backwards);
  std::string action_text() const;

  HotkeyEditor editor_;
  HIMAGELIST icons_;
  ColourScheme scheme_;
  win32::UniqueGdi<HFONT> font_;
  // The caption's font at the window's DPI, given through WM_SETFONT
  // (null: font_ as designed).
  HFONT caption_font_ = nullptr;
  win32::UniqueGdi<HFONT> bold_font_;
  win32::UniqueGdi<HFONT> action_font_;
  win32::UniqueGdi<HBRUSH> window_brush_;
  win32::UniqueGdi<HBRUSH> light_brush_;
  // Child controls: they go with the panel's window.
  HWND enabled_box_ = nullptr;                      // EnabledCheckBox
  HWND alt_box_ = nullptr;                          // AltCheckBox
  HWND control_box_ = nullptr;                      // ControlCheckBox
  HWND shift_box_ = nullptr;                        // ShiftCheckBox
  HWND win_box_ = nullptr;                          // WinCheckBox
  HWND key_list_ = nullptr;                         // CharComboBox
  HWND code_list_ = nullptr;                        // KeyComboBox
  HWND action_box_ = nullptr;                       // EditExecute
  HWND arguments_box_ = nullptr;                    // EditArguments
  HWND start_in_box_ = nullptr;                     // EditStartIn
  HWND icon_button_ = nullptr;                      // IconSpeedButton
  std::unique_ptr<IconPicker> picker_;              // ListView2
  std::unique_ptr<ui::TGradientButton> apply_;      // ButtonApply
  std::unique_ptr<ui::TGradientButton> test_;       // ButtonTest
  std::unique_ptr<ui::TGradientButton> functions_;  // ButtonFunctions
  std::unique_ptr<ui::TGradientButton> browse_;     // ButtonBrowse
  struct PopupDestroyer {
    void operator()(HWND popup) const {
      if (popup) DestroyWindow(popup);
    }
  };
  // The hints' tooltip window: a popup, so not one of the children.
  std::unique_ptr<std::remove_pointer_t<HWND>, PopupDestroyer> hints_;
  bool showing_editor_ = false;
};

}  // namespace vantrel::app
