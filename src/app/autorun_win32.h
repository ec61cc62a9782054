#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vantrel::app {

// The "Autorun with Windows" entry: a value named "Vantrel" under the
// current user's Run key, holding the quoted program path and " hide" (any
// command line but the bare quoted path starts the program hidden). A
// program that asks for no elevation cannot write the machine-wide Run key
// on a current Windows, so ours goes to the user's; turning it off also
// removes an entry an older version left under the machine's key, where the
// rights allow.
class Autorun {
 public:
  static constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  static constexpr wchar_t kValueName[] = L"Vantrel";

  explicit Autorun(std::wstring program_path, HKEY user_root = HKEY_CURRENT_USER,
                   HKEY machine_root = HKEY_LOCAL_MACHINE, std::wstring run_key = kRunKey);

  // Writes or removes the entry; returns why it failed.
  std::optional<std::string> set(bool on) const;
  // Whether the user's or the machine's Run key holds our value starting
  // this program (an entry for another copy is not ours to show).
  bool present() const;
  // The entry's data: "\"<program path>\" hide".
  std::wstring command() const;

 private:
  std::wstring program_path_;
  HKEY user_root_;
  HKEY machine_root_;
  std::wstring run_key_;
};

}  // namespace vantrel::app
