#include "app/data_folder.h"

namespace vantrel::app {

DataHome choose_data_home(bool installed, bool program_folder_writable) {
  return installed || !program_folder_writable ? DataHome::user_folder : DataHome::program_folder;
}

std::vector<std::string> files_to_bring(const std::function<bool(std::string_view)>& home_has,
                                        const std::function<bool(std::string_view)>& other_has) {
  std::vector<std::string> bring;
  for (const std::string_view name : kDataFileNames) {
    if (!home_has(name) && other_has(name)) bring.emplace_back(name);
  }
  return bring;
}

}  // namespace vantrel::app
