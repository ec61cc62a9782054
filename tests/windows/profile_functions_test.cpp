// The INI cases against the system's own profile functions: the answers of
// GetPrivateProfileStringA must match the table, both for files the system
// wrote and for files our engine wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ini_cases.h"
#include "inifile/ini_document.h"

namespace {

using vantrel::settings::IniDocument;

std::string temp_ini(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "vantrel-ini-" + name + ".ini";
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string system_read(const std::string& path, const vantrel::testing::IniRead& r) {
  std::string buffer(r.buffer, '\0');
  const DWORD length = GetPrivateProfileStringA(r.section.c_str(), r.key.c_str(), r.default_value.c_str(),
                                                buffer.data(), r.buffer, path.c_str());
  buffer.resize(length);
  return buffer;
}

TEST(ProfileFunctions, AnswerTheCaseTable) {
  int n = 0;
  for (const vantrel::testing::IniCase& c : vantrel::testing::ini_cases()) {
    // Files written by the system.
    const std::string by_system = temp_ini("system-" + std::to_string(n));
    DeleteFileA(by_system.c_str());
    if (!c.file.empty() || c.writes.empty()) write_bytes(by_system, c.file);
    for (const auto& w : c.writes) {
      ASSERT_TRUE(
          WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(), by_system.c_str()))
          << c.label;
    }
    // Files written by our engine, read back by the system.
    IniDocument document = IniDocument::parse(c.file);
    for (const auto& w : c.writes) document.set(w.section, w.key, w.value);
    const std::string by_engine = temp_ini("engine-" + std::to_string(n));
    write_bytes(by_engine, document.text());

    for (const auto& r : c.reads) {
      EXPECT_EQ(system_read(by_system, r), r.expected) << c.label << ": [" << r.section << "] " << r.key;
      EXPECT_EQ(system_read(by_engine, r), r.expected)
          << c.label << " (engine's file): [" << r.section << "] " << r.key;
    }
    DeleteFileA(by_system.c_str());
    DeleteFileA(by_engine.c_str());
    ++n;
  }
}

}  // namespace
