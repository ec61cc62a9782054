// The Options window's four font and colour buttons: each shows the font or
// colour it holds, and opens the font or colour dialog on it.
#include "options/options_dialogs_win32.h"
#include "options/options_window_win32.h"
#include "win32/colour.h"

namespace vantrel::app {

void TFormOptions::draw_font_button(const DRAWITEMSTRUCT& item) {
  const SettingsModel& model = settings_.model();
  const int id = static_cast<int>(item.CtlID);
  base::ColourValue colour = model.progress_colour;
  if (id == kButtonTextFont) colour = model.text_font.colour;
  if (id == kButtonOSDFont) colour = model.osd_font.colour;
  if (id == kButtonBorderColor) colour = model.border_colour;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                   DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
  const win32::SelectedObject font(
      item.hDC, button_fonts_[id] ? button_fonts_[id].get() : dpi_layout_.shown_font(font_.get()));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, win32::colour_ref(colour));
  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  DrawTextW(item.hDC, caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&face, -4, -4);
    DrawFocusRect(item.hDC, &face);
  }
}

void TFormOptions::font_button_click(int id) {
  const SettingsModel& model = settings_.model();
  if (id == kButtonTextFont || id == kButtonOSDFont) {
    FontSetting SettingsModel::*field =
        id == kButtonTextFont ? &SettingsModel::text_font : &SettingsModel::osd_font;
    if (const auto font = choose_font(handle(), model.*field))
      change([&](SettingsModel& m) { m.*field = *font; });
    return;
  }
  base::ColourValue SettingsModel::*field =
      id == kButtonBorderColor ? &SettingsModel::border_colour : &SettingsModel::progress_colour;
  if (const auto colour = choose_colour(handle(), model.*field))
    change([&](SettingsModel& m) { m.*field = *colour; });
}

}  // namespace vantrel::app
