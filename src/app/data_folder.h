#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::app {

// Where Hotkeys.ini and Settings.ini live. A portable copy (unpacked from
// the zip into a folder its user can write) keeps them beside itself, as
// the program always has. An installed copy (the installer leaves its
// uninstaller beside the program) or one in a folder its user cannot write
// keeps them in the user's folder (%APPDATA%\Vantrel): a copy under Program
// Files could save nothing beside itself.
enum class DataHome { program_folder, user_folder };
DataHome choose_data_home(bool installed, bool program_folder_writable);

inline constexpr std::string_view kUninstallerFileName = "Uninstall.exe";
inline constexpr std::string_view kUserDataFolderName = "Vantrel";
inline constexpr std::string_view kDataFileNames[] = {"Hotkeys.ini", "Settings.ini"};

// The files to copy from the other place into the home before they are
// read: those the home lacks and the other place holds. A copy moved from a
// writable folder to a read-only one (or installed over a portable one)
// takes its files along; one that has its own never has them replaced.
std::vector<std::string> files_to_bring(const std::function<bool(std::string_view)>& home_has,
                                        const std::function<bool(std::string_view)>& other_has);

}  // namespace vantrel::app
