#pragma once

// Initialisation files in memory for the core's tests, with switches that
// make reads or writes fail.

#include <map>
#include <optional>
#include <string>

#include "inifile/profile_storage.h"
#include "western_code_page.h"

namespace vantrel::testing {

// In-memory files, with a switch to make reads or writes fail.
class MemoryStorage : public settings::ProfileStorage {
 public:
  settings::FileRead read(const std::string& path) override {
    ++reads;
    if (fail_reads) return {settings::FileRead::Status::failed, {}, "locked"};
    const auto it = files.find(path);
    if (it == files.end()) return {};
    return {settings::FileRead::Status::ok, it->second, {}};
  }
  std::optional<std::string> replace(const std::string& path, std::string_view bytes) override {
    ++replaces;
    if (fail_writes) return "read-only";
    files[path] = std::string(bytes);
    return std::nullopt;
  }
  const settings::AnsiCodePage& code_page() const override { return code_page_; }
  std::map<std::string, std::string> files;
  bool fail_reads = false;
  bool fail_writes = false;
  int reads = 0;
  int replaces = 0;

 private:
  WesternCodePage code_page_;
};

}  // namespace vantrel::testing
