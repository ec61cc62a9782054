#include "app/autorun_win32.h"

#include <memory>
#include <type_traits>
#include <utility>

#include "win32/text.h"

namespace vantrel::app {
namespace {

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

std::string failure(LONG code) {
  return win32::error_text(static_cast<DWORD>(code));
}

// Removes our value from one Run key; a missing key or value is no failure.
LONG remove_value(HKEY root, const std::wstring& run_key) {
  HKEY opened = nullptr;
  LONG result = RegOpenKeyExW(root, run_key.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &opened);
  if (result == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (result != ERROR_SUCCESS) return result;
  const UniqueKey key(opened);
  result = RegDeleteValueW(key.get(), Autorun::kValueName);
  return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

}  // namespace

Autorun::Autorun(std::wstring program_path, HKEY user_root, HKEY machine_root, std::wstring run_key)
    : program_path_(std::move(program_path)),
      user_root_(user_root),
      machine_root_(machine_root),
      run_key_(std::move(run_key)) {}

std::wstring Autorun::command() const {
  return L"\"" + program_path_ + L"\" hide";
}

std::optional<std::string> Autorun::set(bool on) const {
  if (!on) {
    // The machine's entry is an older version's; where it cannot be removed
    // it is left, without a word: the user's choice is ours to keep.
    remove_value(machine_root_, run_key_);
    if (const LONG result = remove_value(user_root_, run_key_); result != ERROR_SUCCESS)
      return failure(result);
    return std::nullopt;
  }
  HKEY created = nullptr;
  LONG result = RegCreateKeyExW(user_root_, run_key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_SET_VALUE, nullptr, &created, nullptr);
  if (result != ERROR_SUCCESS) return failure(result);
  const UniqueKey key(created);
  const std::wstring data = command();
  result = RegSetValueExW(key.get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  if (result != ERROR_SUCCESS) return failure(result);
  return std::nullopt;
}

}  // namespace vantrel::app
