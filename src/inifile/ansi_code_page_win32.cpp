#include "inifile/ansi_code_page_win32.h"

#include <windows.h>

#include "win32/text.h"

namespace vantrel::settings {

std::string Win32AnsiCodePage::to_utf8(std::string_view ansi) const {
  if (ansi.empty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
  return win32::narrow(wide);
}

std::optional<std::string> Win32AnsiCodePage::from_utf8(std::string_view utf8) const {
  // A system whose ANSI code page is UTF-8 holds every character.
  if (GetACP() == CP_UTF8) return std::string(utf8);
  const std::wstring wide = win32::widen(utf8);
  if (wide.empty()) return std::string();
  // No best-fit: "é" must not quietly become "e" in a path.
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                       static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                      size, nullptr, &lossy);
  if (lossy) return std::nullopt;
  return ansi;
}

}  // namespace vantrel::settings
