#include "settings/save_failure_notice.h"

#include <algorithm>

#include "inifile/profile_storage.h"

namespace vantrel::app {
namespace {

// The files' paths are joined with "/" inside; a user reads and types them
// with backslashes.
std::string shown_path(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace

std::optional<std::string> SaveFailureNotice::message_for(const std::string& path,
                                                          const std::string& reason) {
  if (!told_.insert(path).second) return std::nullopt;
  return "Vantrel could not save to\n" + shown_path(path) + "\n\n" + reason +
         "\n\nYour changes are kept while Vantrel runs; it will try again at the next save.";
}

std::string exit_save_failure_message(const std::string& path, const std::string& reason) {
  const char* what_helps = reason == settings::kFolderInTheWay ? "after moving or renaming that folder"
                                                               : "after making the file writable, say";
  return "Vantrel could not save to\n" + shown_path(path) + "\n\n" + reason +
         "\n\nTry Again to save once more (" + what_helps +
         "), Continue to exit without saving these changes, or Cancel to keep Vantrel running.";
}

}  // namespace vantrel::app
