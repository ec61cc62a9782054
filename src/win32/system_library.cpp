#include "win32/system_library.h"

#include <string>

namespace vantrel::win32 {

void restrict_dll_search_to_system() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto set_directories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(kernel ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr));
  if (!set_directories || !set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
  // The theme library asks for msimg32 (no known DLL) by name only when it
  // first draws, and some loaders (Wine's among them) then look beside the
  // program all the same. Loaded now from the system folder, that name is
  // taken: a later request by name finds this copy and looks nowhere else.
  load_system_library(L"msimg32.dll");
}

HMODULE load_system_library(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace vantrel::win32
