#pragma once

#include <windows.h>

#include <string>

namespace vantrel::ui {

// Asks the shell to open a document or an address with a verb, in a normal
// window. When the shell refuses (no such file, no program for the scheme),
// says so in a message box owned by `message_owner`; false then.
bool open_through_shell(HWND shell_owner, HWND message_owner, const wchar_t* verb, const std::string& target);

}  // namespace vantrel::ui
