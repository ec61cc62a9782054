#include "settings/profile_storage.h"

#include <gtest/gtest.h>

#include <map>

namespace vantrel::settings {
namespace {

// In-memory files, with a switch to make reads or writes fail.
class MemoryStorage : public ProfileStorage {
 public:
  FileRead read(const std::string& path) override {
    ++reads;
    if (fail_reads) return {FileRead::Status::failed, {}, "locked"};
    const auto it = files.find(path);
    if (it == files.end()) return {};
    return {FileRead::Status::ok, it->second, {}};
  }
  std::optional<std::string> replace(const std::string& path, std::string_view bytes) override {
    ++replaces;
    if (fail_writes) return "read-only";
    files[path] = std::string(bytes);
    return std::nullopt;
  }
  std::map<std::string, std::string> files;
  bool fail_reads = false;
  bool fail_writes = false;
  int reads = 0;
  int replaces = 0;
};

TEST(ProfileStorage, UnreadableFileLoadsEmpty) {
  MemoryStorage storage;
  storage.files["a.ini"] = "[S]\r\nK=1\r\n";
  EXPECT_EQ(load_document(storage, "a.ini").get_string("S", "K", "", 10), "1");
  EXPECT_EQ(load_document(storage, "b.ini").text(), "");
  storage.fail_reads = true;
  EXPECT_EQ(load_document(storage, "a.ini").text(), "");
}

TEST(ProfileStorage, SaveReadsOnceAndReplacesOnce) {
  MemoryStorage storage;
  storage.files["a.ini"] = "; mine\r\n[S]\r\nK=1\r\n";
  const auto error = save_document(storage, "a.ini", [](IniDocument& doc) {
    for (int i = 0; i < 100; ++i) doc.set("S", "K" + std::to_string(i), "v");
  });
  EXPECT_EQ(error, std::nullopt);
  EXPECT_EQ(storage.reads, 1);
  EXPECT_EQ(storage.replaces, 1);
  EXPECT_EQ(storage.files["a.ini"].rfind("; mine\r\n[S]\r\nK=1\r\nK0=v\r\n", 0), 0u);
}

TEST(ProfileStorage, SaveNeverOverwritesAFileItCouldNotRead) {
  MemoryStorage storage;
  storage.files["a.ini"] = "[S]\r\nKeep=1\r\n";
  storage.fail_reads = true;
  EXPECT_EQ(save_document(storage, "a.ini", [](IniDocument& doc) { doc.set("S", "K", "2"); }), "locked");
  EXPECT_EQ(storage.replaces, 0);
  EXPECT_EQ(storage.files["a.ini"], "[S]\r\nKeep=1\r\n");
}

TEST(ProfileStorage, SaveReportsAFailedWrite) {
  MemoryStorage storage;
  storage.fail_writes = true;
  EXPECT_EQ(save_document(storage, "a.ini", [](IniDocument&) {}), "read-only");
}

TEST(ProfileStorage, PathJoinsFolderAndName) {
  EXPECT_EQ(profile_path("C:\\Tools\\Vantrel", "Hotkeys.ini"), "C:\\Tools\\Vantrel/Hotkeys.ini");
  EXPECT_EQ(profile_path("C:\\", "Settings.ini"), "C:\\/Settings.ini");
}

}  // namespace
}  // namespace vantrel::settings
