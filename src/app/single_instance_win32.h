#pragma once

#include <optional>

#include "win32/handles.h"

namespace vantrel::app {

inline constexpr const char* kInstanceMutexName = "Vantrel 2";
inline constexpr const char* kMainWindowClass = "TForm1";
inline constexpr const char* kMainWindowTitle = "Vantrel";

// The first instance gets the named mutex, which it keeps for its whole
// life. A later one restores and brings forward the first instance's main
// window and gets nothing: it must end at once, writing nothing.
std::optional<win32::UniqueHandle> claim_single_instance();

}  // namespace vantrel::app
