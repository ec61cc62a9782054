#include "ui/link_label.h"

#include <array>
#include <utility>

namespace vantrel::ui {
namespace {

constexpr std::array<std::string_view, 9> kPrefixes{
    "file://", "ftp://", "gopher://", "http://", "https://", "mailto:", "news:", "telnet:", "wais:",
};

}  // namespace

std::string_view link_prefix(tLinkType type) {
  return kPrefixes[static_cast<std::size_t>(type)];
}

void LinkLabelText::set_hyper_link(std::string hyper_link) {
  hyper_link_ = std::move(hyper_link);
  if (caption_.empty()) caption_ = hyper_link_;
}

std::string LinkLabelText::address() const {
  return std::string(link_prefix(link_type_)) + hyper_link_;
}

std::string shell_refusal_reason(long long code) {
  // The shell's own codes (SE_ERR_*), which overlap the system's error
  // codes for the first few.
  switch (code) {
    case 0:
    case 8:
      return "There is not enough memory.";
    case 2:
      return "The file was not found.";
    case 3:
      return "The folder was not found.";
    case 5:
      return "Access was denied.";
    case 11:
      return "It is not a valid program.";
    case 26:
      return "The file is in use.";
    case 27:
    case 31:
      return "No program is set to open it.";
    case 28:
    case 29:
    case 30:
      return "The program that opens it did not answer.";
    case 32:
      return "A library it needs was not found.";
    default:
      return "The system refused (code " + std::to_string(code) + ").";
  }
}

std::string shell_refusal_message(std::string_view target, long long code) {
  return "Could not open " + std::string(target) + "\n\n" + shell_refusal_reason(code);
}

}  // namespace vantrel::ui
