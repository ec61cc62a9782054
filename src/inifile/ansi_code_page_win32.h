#pragma once

#include "inifile/profile_text.h"

namespace vantrel::settings {

// The code page the system's "A" functions use (CP_ACP).
class Win32AnsiCodePage : public AnsiCodePage {
 public:
  std::string to_utf8(std::string_view ansi) const override;
  std::optional<std::string> from_utf8(std::string_view utf8) const override;
};

}  // namespace vantrel::settings
