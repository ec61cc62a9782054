#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <set>

#include "app/menu_commands.h"

namespace vantrel::app {
namespace {

TEST(DataFolder, OnlyAPortableCopyInAWritableFolderKeepsItsFilesBesideItself) {
  const struct {
    bool installed;
    bool writable;
    DataHome expected;
  } cases[] = {
      {false, true, DataHome::program_folder},
      {false, false, DataHome::user_folder},
      {true, true, DataHome::user_folder},
      {true, false, DataHome::user_folder},
  };
  for (const auto& c : cases)
    EXPECT_EQ(choose_data_home(c.installed, c.writable), c.expected) << c.installed << c.writable;
}

TEST(DataFolder, BringsOnlyTheFilesTheHomeLacksAndTheOtherPlaceHas) {
  const auto holding = [](std::set<std::string_view> names) {
    return [names](std::string_view name) { return names.count(name) > 0; };
  };
  EXPECT_EQ(files_to_bring(holding({}), holding({"Hotkeys.ini", "Settings.ini"})),
            (std::vector<std::string>{"Hotkeys.ini", "Settings.ini"}));
  EXPECT_EQ(files_to_bring(holding({"Hotkeys.ini"}), holding({"Hotkeys.ini", "Settings.ini"})),
            (std::vector<std::string>{"Settings.ini"}))
      << "the home's own file is never replaced";
  EXPECT_EQ(files_to_bring(holding({}), holding({"Settings.ini", "notes.txt"})),
            (std::vector<std::string>{"Settings.ini"}));
  EXPECT_TRUE(files_to_bring(holding({"Settings.ini"}), holding({})).empty());
}

// Other programs (the installer) send the Exit command by its number.
TEST(DataFolder, TheExitCommandKeepsTheNumberTheInstallerSends) {
  EXPECT_EQ(kExit1, 1006);
}

}  // namespace
}  // namespace vantrel::app
