#pragma once

#include <string>
#include <string_view>

namespace vantrel::app {

// The Help menu's commands that open a document or a page through the
// shell: "What's new" (Whatsnew1Click) and the "Online" submenu's "Submit a
// bug", "Check for updates" and "Forum".
enum class HelpCommand { whats_new, submit_a_bug, check_for_updates, forum };

inline constexpr std::string_view kHistoryFileName = "history.txt";

// What the shell is asked to open, with the verb "open": history.txt in the
// program's own folder, or a page of the product's web site.
std::string help_target(HelpCommand command, std::string_view program_folder);

}  // namespace vantrel::app
