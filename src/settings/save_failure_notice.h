#pragma once

#include <optional>
#include <set>
#include <string>

namespace vantrel::app {

// A save that fails keeps the rows in memory; the user hears about each
// file once per run, not at every Hide.
class SaveFailureNotice {
 public:
  // The message to show for this failure, or nullopt when already told.
  std::optional<std::string> message_for(const std::string& path, const std::string& reason);

 private:
  std::set<std::string> told_;
};

// Exit could not save a file: the choices the message box offers go with
// what each does, since the changes are lost once the program ends.
std::string exit_save_failure_message(const std::string& path, const std::string& reason);

}  // namespace vantrel::app
