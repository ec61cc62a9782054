#pragma once

#include <optional>

#include "win32/handles.h"

namespace vantrel::app {

inline constexpr const char* kInstanceMutexName = "Vantrel 2";
inline constexpr const char* kMainWindowClass = "TForm1";
inline constexpr const char* kMainWindowTitle = "Vantrel";

// What a later copy sends the first one's main window to have it shown, as a
// click on the tray icon would show it.
inline constexpr const wchar_t* kShowApplicationMessage = L"Vantrel show application";

// The first instance gets the named mutex, which it keeps for its whole
// life. A later one has the first instance show and bring forward its main
// window and gets nothing: it must end at once, writing nothing.
std::optional<win32::UniqueHandle> claim_single_instance();

}  // namespace vantrel::app
