#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/colour_scheme.h"
#include "options/options_controls.h"
#include "options/sound_page.h"
#include "settings/save_failure_notice.h"
#include "settings/stored_settings.h"
#include "ui/gradient_button_win32.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::app {

// TFormOptions: the Options window. Borderless, always on top, shown without
// blocking the other windows; closing only hides it. Each control shows one
// setting of the store and a change in it is in force at once; OK hides the
// window and writes the file.
// The OK button's tick, drawn for a screen of `dpi`.
win32::UniqueGdi<HBITMAP> tick_glyph(int dpi);

class TFormOptions : public win32::Window, public SchemedWindow {
 public:
  static constexpr wchar_t kClassName[] = L"TFormOptions";
  static constexpr int kClientWidth = 492;
  static constexpr int kClientHeight = 273;

  TFormOptions(HINSTANCE instance, StoredSettings& settings);
  ~TFormOptions() override;
  TFormOptions(const TFormOptions&) = delete;
  TFormOptions& operator=(const TFormOptions&) = delete;

  void show();
  // Hides the window without saving the settings, as Hide does it.
  void close();
  // Enter, Escape and Alt+letter while the window has the keyboard: the
  // buttons' keys, and Escape, which no button takes, closes it. True when
  // the key was taken.
  bool take_dialog_key(const MSG& message);
  // The sound devices are opened after start-up; the "Sound" page fills
  // then, on the stored device and line.
  void attach_mixer(audio::MixerDriver& driver, audio::TAudioMixer& mixer);

  void apply_colour_scheme(const ColourScheme& scheme) override;
  void apply_quality(ui::TGradientQuality quality) override;

  HWND control(int id) const;
  ui::TGradientButton* gradient_button(int id) const;
  void show_page(int index);

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void create_controls();
  void create_page_control(const ControlPlace& place, RECT page_area);
  // Lays the window out for a screen of `dpi`: its size, its controls and
  // their fonts, its outline.
  void lay_out(int dpi);
  void dpi_changed(int dpi);
  void fill_lists();
  void show_model();
  // "Autorun with Windows" shows whether the entry is there.
  void show_autorun();
  void show_sound_page();
  // The chosen line read again while the Sound page is in sight.
  void refresh_sound_page();
  void change(const std::function<void(SettingsModel&)>& edit);
  void on_command(int id, int code);
  void on_scroll(HWND bar);
  void edit_changed(int id);
  void edit_left(int id);
  void draw_font_button(const DRAWITEMSTRUCT& item);
  // A caption that runs on past its field ("Position X ... pixels"): the
  // words before the blanks left of the field, those after right of it.
  void draw_split_caption(const DRAWITEMSTRUCT& item);
  void font_button_click(int id);
  void ButtonDefaultClick();
  void ButtonOKClick();
  void FormMouseDown();
  void FormMouseMove(bool left_down);
  static LRESULT CALLBACK watch_page_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR id, DWORD_PTR self);

  StoredSettings& settings_;
  win32::UniqueGdi<HFONT> font_;
  win32::UniqueGdi<HFONT> bar_font_;
  ColourScheme scheme_;
  win32::UniqueGdi<HBRUSH> background_;
  std::map<int, HWND> controls_;
  std::map<HWND, int> page_of_;
  // Each split caption and the field it sits around.
  std::map<HWND, int> split_captions_;
  int last_field_ = 0;
  std::map<int, win32::UniqueGdi<HFONT>> button_fonts_;
  std::unique_ptr<ui::TGradientButton> bar_;
  std::unique_ptr<ui::TGradientButton> default_;
  std::unique_ptr<ui::TGradientButton> ok_;
  win32::DpiLayout dpi_layout_;
  HWND page_control_ = nullptr;
  // GroupBox1, drawn on its page.
  struct Group {
    int page = -1;
    RECT bounds{};
    std::wstring caption;
  } group_;
  HWND tips_ = nullptr;
  int page_ = 0;
  std::unique_ptr<SoundPage> sound_;
  // The Sound page's lists as last filled, so that a refresh that changes
  // only the box or the slider leaves an open list alone.
  std::vector<std::string> sound_lists_[3];
  // Set while the window puts values into its own controls: the controls'
  // notifications then are no user's change.
  bool showing_ = false;
  POINT drag_anchor_{};
  SaveFailureNotice save_notice_;
};

}  // namespace vantrel::app
