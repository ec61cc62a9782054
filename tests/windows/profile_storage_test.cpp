// The file adapter against the real file system: replaces are all or
// nothing, and refusals come back as errors with the file untouched.
#include "settings/profile_storage_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "win32/handles.h"

namespace vantrel::settings {
namespace {

class ProfileStorageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "vantrel-storage-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "/Hotkeys.ini";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    DeleteFileA((folder_ + "\\Hotkeys.ini.saving").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  void put(const std::string& bytes) { std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes; }
  bool exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }

  std::string folder_;
  std::string path_;
};

const std::string kOld = "[HotKeys]\r\nCount=1\r\nPath0=old.exe\r\n";
const std::string kNew = "[HotKeys]\r\nCount=2\r\nPath0=new.exe\r\nPath1=second.exe\r\n";

TEST_F(ProfileStorageTest, ReadsWhatIsThereAndTellsMissingFromFailed) {
  Win32ProfileStorage storage;
  EXPECT_EQ(storage.read(path_).status, FileRead::Status::missing);
  EXPECT_EQ(storage.read(folder_ + "/no such folder/Hotkeys.ini").status, FileRead::Status::missing);
  put(kOld);
  const FileRead read = storage.read(path_);
  EXPECT_EQ(read.status, FileRead::Status::ok);
  EXPECT_EQ(read.bytes, kOld);

  const win32::UniqueHandle locked = win32::make_file_handle(
      CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked);
  const FileRead refused = storage.read(path_);
  EXPECT_EQ(refused.status, FileRead::Status::failed);
  EXPECT_FALSE(refused.error.empty());
}

// Stops a replace at every stage in turn, as a crash would, and checks the
// file holds exactly the old or exactly the new bytes each time.
TEST_F(ProfileStorageTest, InterruptedReplaceLeavesOldOrNewFile) {
  for (const bool first_save : {false, true}) {
    int stages = 0;
    {
      if (!first_save) put(kOld);
      Win32ProfileStorage counting([&stages](ReplaceStage) { return ++stages, true; }, 7);
      ASSERT_EQ(counting.replace(path_, kNew), std::nullopt);
      ASSERT_EQ(contents(), kNew);
      DeleteFileA(path_.c_str());
    }
    ASSERT_GT(stages, 8) << "several chunk writes expected";
    bool saw_old = false;
    bool saw_new = false;
    for (int stop = 1; stop <= stages; ++stop) {
      if (first_save) {
        DeleteFileA(path_.c_str());
      } else {
        put(kOld);
      }
      int calls = 0;
      Win32ProfileStorage stopping([&](ReplaceStage) { return ++calls < stop; }, 7);
      EXPECT_TRUE(stopping.replace(path_, kNew).has_value()) << stop;
      if (first_save && !exists()) {
        saw_old = true;
        continue;
      }
      const std::string now = contents();
      EXPECT_TRUE(now == kOld || now == kNew) << "stopped at stage " << stop << ": " << now;
      saw_old |= now == kOld;
      saw_new |= now == kNew;
    }
    EXPECT_TRUE(saw_old && saw_new);
    // The next, uninterrupted save goes through despite the leftovers.
    Win32ProfileStorage storage;
    EXPECT_EQ(storage.replace(path_, kNew), std::nullopt);
    EXPECT_EQ(contents(), kNew);
    DeleteFileA(path_.c_str());
  }
}

TEST_F(ProfileStorageTest, RefusedReplaceKeepsTheFile) {
  Win32ProfileStorage storage;
  put(kOld);
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(storage.replace(path_, kNew).has_value());
  EXPECT_EQ(contents(), kOld);
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);

  {
    const win32::UniqueHandle locked = win32::make_file_handle(
        CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_TRUE(storage.replace(path_, kNew).has_value());
  }
  EXPECT_EQ(contents(), kOld);

  const auto missing_folder = storage.replace(folder_ + "/no such folder/Hotkeys.ini", kNew);
  ASSERT_TRUE(missing_folder.has_value());
  EXPECT_NE(missing_folder->find("temporary file"), std::string::npos) << *missing_folder;
}

TEST_F(ProfileStorageTest, SaveDocumentKeepsHandEditsAndAddsKeys) {
  Win32ProfileStorage storage;
  put("; mine\r\n" + kOld);
  EXPECT_EQ(save_document(storage, path_, [](IniDocument& d) { d.set("HotKeys", "Count", "0"); }),
            std::nullopt);
  EXPECT_EQ(contents(), "; mine\r\n[HotKeys]\r\nCount=0\r\nPath0=old.exe\r\n");
}

}  // namespace
}  // namespace vantrel::settings
