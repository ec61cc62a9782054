#include "options/options_dialogs_win32.h"

#include <array>
#include <cwchar>

#include "win32/colour.h"
#include "win32/common_dialogs.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

int screen_pixels_per_inch() {
  const win32::WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace

std::optional<FontSetting> choose_font(HWND owner, const FontSetting& current) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(current.points, screen_pixels_per_inch(), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = win32::widen(current.name);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);

  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = win32::colour_ref(current.colour);
  if (!win32::choose_font_dialog(dialog)) return std::nullopt;
  // The settings hold a font's face, size and colour: the dialog's style
  // and character set choices have nowhere to be kept.
  return FontSetting{win32::narrow(font.lfFaceName), dialog.iPointSize / 10,
                     static_cast<base::ColourValue>(dialog.rgbColors)};
}

std::optional<base::ColourValue> choose_colour(HWND owner, base::ColourValue current) {
  static std::array<COLORREF, 16> custom_colours = [] {
    std::array<COLORREF, 16> colours;
    colours.fill(RGB(255, 255, 255));
    return colours;
  }();
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = win32::colour_ref(current);
  dialog.lpCustColors = custom_colours.data();
  dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!win32::choose_colour_dialog(dialog)) return std::nullopt;
  return static_cast<base::ColourValue>(dialog.rgbResult);
}

}  // namespace vantrel::app
