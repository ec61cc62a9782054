#pragma once

#include <windows.h>

namespace vantrel::win32 {

// Before anything else loads a DLL: DLLs are then looked for in the system
// folder only, never in the program's folder or the current one, so a file
// named like a system DLL in a Downloads folder is not loaded in its place.
// Where the system lacks SetDefaultDllDirectories, the current folder is
// at least taken out of the search. System DLLs that other system DLLs load
// by name later on are loaded here from the system folder.
void restrict_dll_search_to_system();

// A system DLL loaded from the system folder by its full path, whatever the
// search order; null when it cannot be loaded. Kept to the end of the
// process (callers keep function pointers into it).
HMODULE load_system_library(const wchar_t* name);

}  // namespace vantrel::win32
