#include "app/autorun_win32.h"

#include <memory>
#include <type_traits>
#include <utility>

#include "app/command_line.h"
#include "base/text.h"
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

// The program an entry starts, or nothing when there is no entry.
std::optional<std::wstring> entry_program(HKEY root, const std::wstring& run_key) {
  DWORD size = 0;
  // An expandable value comes expanded as plain text (naming
  // RRF_RT_REG_EXPAND_SZ as well would make the call fail).
  const DWORD types = RRF_RT_REG_SZ;
  if (RegGetValueW(root, run_key.c_str(), Autorun::kValueName, types, nullptr, nullptr, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegGetValueW(root, run_key.c_str(), Autorun::kValueName, types, nullptr, data.data(), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  data.resize(wcsnlen(data.c_str(), data.size()));
  return win32::widen(command_line_program(win32::narrow(data)));
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

bool Autorun::present() const {
  const std::string ours = base::to_lower_ascii(win32::narrow(program_path_));
  for (const HKEY root : {user_root_, machine_root_}) {
    const auto program = entry_program(root, run_key_);
    if (program && base::to_lower_ascii(win32::narrow(*program)) == ours) return true;
  }
  return false;
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
