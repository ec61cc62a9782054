#include "settings/save_failure_notice.h"

namespace vantrel::app {

std::optional<std::string> SaveFailureNotice::message_for(const std::string& path,
                                                          const std::string& reason) {
  if (!told_.insert(path).second) return std::nullopt;
  return "Vantrel could not save to\n" + path + "\n\n" + reason +
         "\n\nYour changes are kept while Vantrel runs; it will try again at the next save.";
}

std::string exit_save_failure_message(const std::string& path, const std::string& reason) {
  return "Vantrel could not save to\n" + path + "\n\n" + reason +
         "\n\nTry Again to save once more (after making the file writable, say), Continue to exit "
         "without saving these changes, or Cancel to keep Vantrel running.";
}

}  // namespace vantrel::app
