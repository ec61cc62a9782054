#include "app/help_commands.h"

#include "about/about_layout.h"
#include "ui/link_label.h"

namespace vantrel::app {

std::string help_target(HelpCommand command, std::string_view program_folder) {
  const std::string http(ui::link_prefix(ui::tLinkType::lthttp));
  switch (command) {
    case HelpCommand::whats_new: {
      // The folder ends in a separator only when it is a drive's root.
      std::string path(program_folder);
      if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
      return path + std::string(kHistoryFileName);
    }
    case HelpCommand::submit_a_bug:
    case HelpCommand::forum:
      // Bugs are reported in the forum.
      return http + std::string(kForumPage);
    case HelpCommand::check_for_updates:
      return http + std::string(kWebSite);
  }
  return {};
}

}  // namespace vantrel::app
