#include "options/options_dialogs_win32.h"

#include <dlgs.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <string>
#include <vector>

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

// The families the dialog lists, by exact name: asking for one face by name
// would answer for a substitute too, which the dialog does not list.
struct Families {
  std::vector<std::wstring> names;
  std::wstring first_true_type;
};

int CALLBACK note_family(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM families) {
  auto& found = *reinterpret_cast<Families*>(families);
  const std::wstring name = font->lfFaceName;
  // "@" faces are the vertical forms of East Asian fonts.
  if (name.empty() || name.front() == L'@') return 1;
  found.names.push_back(name);
  if ((type & TRUETYPE_FONTTYPE) && found.first_true_type.empty()) found.first_true_type = name;
  return 1;
}

Families installed_families() {
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  Families families;
  const win32::WindowDc screen(nullptr);
  EnumFontFamiliesExW(screen.get(), &all, note_family, reinterpret_cast<LPARAM>(&families), 0);
  return families;
}

// A stored face that is not installed (the default "Dungeon" on most
// systems) would open the dialog on whatever face comes first, at its
// smallest size: the system's message font, or a face every Windows has,
// is offered instead, at the stored size.
std::wstring face_to_offer(const std::string& stored) {
  const Families families = installed_families();
  const auto listed = [&](const std::wstring& face) {
    return std::any_of(families.names.begin(), families.names.end(),
                       [&](const std::wstring& name) { return _wcsicmp(name.c_str(), face.c_str()) == 0; });
  };
  std::vector<std::wstring> candidates{win32::widen(stored)};
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    candidates.emplace_back(metrics.lfMessageFont.lfFaceName);
  for (const wchar_t* face : {L"Segoe UI", L"Tahoma", L"Arial", L"Microsoft Sans Serif"})
    candidates.emplace_back(face);
  for (const std::wstring& face : candidates) {
    if (!face.empty() && listed(face)) return face;
  }
  return families.first_true_type.empty() ? candidates.front() : families.first_true_type;
}

// The settings keep a font's face, size and colour only: the dialog's
// style list, underline, strikeout and script are not offered, rather than
// chosen and then dropped.
UINT_PTR CALLBACK hide_what_is_not_kept(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    for (const int item : {stc2, cmb2, chx1, chx2, stc7, cmb5}) {
      if (const HWND control = GetDlgItem(dialog, item)) {
        ShowWindow(control, SW_HIDE);
        EnableWindow(control, FALSE);
      }
    }
  }
  return 0;
}

}  // namespace

std::optional<FontSetting> choose_font(HWND owner, const FontSetting& current) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(current.points, screen_pixels_per_inch(), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = face_to_offer(current.name);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);

  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &font;
  dialog.Flags =
      CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK | CF_NOSCRIPTSEL | CF_LIMITSIZE;
  // The sizes a file's value is held to when read.
  dialog.nSizeMin = kFontPointsMin;
  dialog.nSizeMax = kFontPointsMax;
  dialog.lpfnHook = hide_what_is_not_kept;
  dialog.rgbColors = win32::colour_ref(current.colour);
  if (!win32::choose_font_dialog(dialog)) return std::nullopt;
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
