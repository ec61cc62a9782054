// The expansion rule the core is tested by, against the system's own
// ExpandEnvironmentStringsW, which launches use: the two must agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "actions/dispatch.h"
#include "win32/text.h"

namespace vantrel::actions {
namespace {

std::string system_expansion(const std::string& text) {
  const std::wstring wide = win32::widen(text);
  const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
  std::wstring expanded(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), needed);
  expanded.resize(written > 0 ? written - 1 : 0);
  return win32::narrow(expanded);
}

std::optional<std::string> variable(std::string_view name) {
  const std::wstring wide = win32::widen(std::string(name));
  const DWORD needed = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring value(needed, L'\0');
  value.resize(GetEnvironmentVariableW(wide.c_str(), value.data(), needed));
  return win32::narrow(value);
}

TEST(EnvironmentExpansion, AgreesWithTheSystem) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"VANTREL_DOCS", L"C:\\Users\\na\u00efve\\Documents"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"VANTREL_NESTED", L"%VANTREL_DOCS%"));
  SetEnvironmentVariableW(L"VANTREL_UNSET", nullptr);
  const char* texts[] = {
      "%VANTREL_DOCS%\\report.txt",
      "%vantrel_docs%",
      "a %VANTREL_DOCS% b %VANTREL_DOCS%",
      "%VANTREL_UNSET%\\x",
      "%VANTREL_UNSET%VANTREL_DOCS%",
      "%VANTREL_UNSET%%VANTREL_DOCS%",
      "100%",
      "50% of %VANTREL_DOCS",
      "%VANTREL_NESTED%",
      "one \"two three\"",
      "",
  };
  for (const char* text : texts) {
    const std::string expected = system_expansion(text);
    EXPECT_EQ(expand_environment(text, variable), expected) << text;
  }
  EXPECT_EQ(system_expansion("%VANTREL_DOCS%\\report.txt"), "C:\\Users\\na\xC3\xAFve\\Documents\\report.txt");
}

}  // namespace
}  // namespace vantrel::actions
