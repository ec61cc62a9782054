// The autorun entry against the real registry (the test prefix's): the
// current user's Run key gets our value with its exact data, unchecking
// removes ours from both keys and nothing else, and a key that cannot be
// opened is a failure with the system's own reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/autorun_win32.h"

namespace vantrel::app {
namespace {

constexpr wchar_t kProgram[] = L"C:\\Program Files\\Vantrel Test\\Vantrel.exe";

// The value's type and data, or nothing when it is not there.
std::optional<std::pair<DWORD, std::wstring>> run_value(HKEY root, const wchar_t* name) {
  wchar_t data[512] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  if (RegGetValueW(root, Autorun::kRunKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::pair{type, std::wstring(data)};
}

LONG write_run_value(HKEY root, const wchar_t* name, const std::wstring& data) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExW(root, Autorun::kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) return result;
  result = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return result;
}

void delete_run_value(HKEY root, const wchar_t* name) {
  RegDeleteKeyValueW(root, Autorun::kRunKey, name);
}

class AutorunTest : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      delete_run_value(root, Autorun::kValueName);
      delete_run_value(root, L"Other Program");
    }
  }
};

TEST_F(AutorunTest, CheckingWritesTheUsersRunValue) {
  const Autorun autorun(kProgram);
  ASSERT_EQ(autorun.set(true), std::nullopt);
  const auto value = run_value(HKEY_CURRENT_USER, L"Vantrel");
  ASSERT_TRUE(value.has_value()) << "HKCU\\...\\Run\\Vantrel";
  EXPECT_EQ(value->first, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value->second, L"\"C:\\Program Files\\Vantrel Test\\Vantrel.exe\" hide");
  EXPECT_FALSE(run_value(HKEY_LOCAL_MACHINE, L"Vantrel").has_value()) << "the machine's key is left alone";

  // Checked again at the next start: the same value, once.
  ASSERT_EQ(autorun.set(true), std::nullopt);
  EXPECT_EQ(run_value(HKEY_CURRENT_USER, L"Vantrel")->second, autorun.command());
}

TEST_F(AutorunTest, UncheckingRemovesOursFromBothKeysAndNothingElse) {
  ASSERT_EQ(write_run_value(HKEY_LOCAL_MACHINE, L"Vantrel", L"\"C:\\Old\\Vantrel.exe\" hide"), ERROR_SUCCESS);
  ASSERT_EQ(write_run_value(HKEY_CURRENT_USER, L"Other Program", L"other.exe"), ERROR_SUCCESS);
  const Autorun autorun(kProgram);
  ASSERT_EQ(autorun.set(true), std::nullopt);
  ASSERT_EQ(autorun.set(false), std::nullopt);
  EXPECT_FALSE(run_value(HKEY_CURRENT_USER, L"Vantrel").has_value());
  EXPECT_FALSE(run_value(HKEY_LOCAL_MACHINE, L"Vantrel").has_value()) << "an older version's entry";
  ASSERT_TRUE(run_value(HKEY_CURRENT_USER, L"Other Program").has_value());
  EXPECT_EQ(run_value(HKEY_CURRENT_USER, L"Other Program")->second, L"other.exe");

  EXPECT_EQ(autorun.set(false), std::nullopt) << "nothing left to remove is no failure";
}

// What the "Autorun with Windows" box shows: an entry, in either key, that
// starts this very program, however its path is written.
TEST_F(AutorunTest, PresentOnlyForAnEntryThatStartsThisProgram) {
  const Autorun spaced(kProgram);
  const Autorun plain(L"D:\\Apps\\Vantrel.exe");
  const struct {
    HKEY root;
    const wchar_t* data;  // nullptr: no entry
    bool spaced_present, plain_present;
  } cases[] = {
      {HKEY_CURRENT_USER, nullptr, false, false},
      {HKEY_CURRENT_USER, L"\"C:\\Program Files\\Vantrel Test\\Vantrel.exe\" hide", true, false},
      {HKEY_CURRENT_USER, L"\"c:\\program files\\vantrel test\\VANTREL.EXE\"", true, false},
      {HKEY_CURRENT_USER, L"D:\\Apps\\Vantrel.exe hide", false, true},
      {HKEY_CURRENT_USER, L"\"D:\\Apps\\Vantrel.exe\"", false, true},
      {HKEY_CURRENT_USER, L"\"D:\\Other\\Vantrel.exe\" hide", false, false},
      {HKEY_CURRENT_USER, L"D:\\Apps\\Vantrel.exe.bak", false, false},
      {HKEY_LOCAL_MACHINE, L"\"D:\\Apps\\Vantrel.exe\" hide", false, true},
  };
  for (const auto& c : cases) {
    TearDown();
    if (c.data) {
      ASSERT_EQ(write_run_value(c.root, L"Vantrel", c.data), ERROR_SUCCESS);
    }
    const std::wstring label = c.data ? c.data : L"no entry";
    EXPECT_EQ(spaced.present(), c.spaced_present) << std::string(label.begin(), label.end());
    EXPECT_EQ(plain.present(), c.plain_present) << std::string(label.begin(), label.end());
  }
  // Another program's value of another name is no entry of ours.
  TearDown();
  ASSERT_EQ(write_run_value(HKEY_CURRENT_USER, L"Other Program", L"D:\\Apps\\Vantrel.exe"), ERROR_SUCCESS);
  EXPECT_FALSE(plain.present());
  // Written by the program itself, it is there; removed, it is not.
  ASSERT_EQ(spaced.set(true), std::nullopt);
  EXPECT_TRUE(spaced.present());
  ASSERT_EQ(spaced.set(false), std::nullopt);
  EXPECT_FALSE(spaced.present());
}

TEST_F(AutorunTest, AKeyThatCannotBeOpenedIsAFailureWithTheSystemsReason) {
  // A key handle that has been closed names no key.
  HKEY closed = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &closed), ERROR_SUCCESS);
  RegCloseKey(closed);
  const Autorun autorun(kProgram, closed, closed);
  const auto failure = autorun.set(true);
  ASSERT_TRUE(failure.has_value());
  EXPECT_FALSE(failure->empty());
  EXPECT_FALSE(run_value(HKEY_CURRENT_USER, L"Vantrel").has_value());
}

}  // namespace
}  // namespace vantrel::app
