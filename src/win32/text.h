#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vantrel::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// The system's own sentence for an error code, without the trailing line
// break, or "Error N." when it has none.
std::string error_text(DWORD code);

// The full path of the running program and its folder (no trailing
// separator unless the folder is a drive root), both UTF-8.
std::string program_path();
std::string program_folder();

// A window's text (a control's caption or contents), whole.
std::wstring window_text(HWND window);

}  // namespace vantrel::win32
