#pragma once

#include <string>

namespace vantrel::app {

// The folder of the user's files (see choose_data_home), decided at the
// first call and the same for the rest of the run; the files the home lacks
// are brought from the other place then. UTF-8, without a trailing
// separator.
const std::string& data_folder();

}  // namespace vantrel::app
