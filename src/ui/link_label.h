#pragma once

#include <string>
#include <string_view>

namespace vantrel::ui {

// The address schemes a link label opens, in their designed order.
enum class tLinkType { ltfile, ltftp, ltgopher, lthttp, lthttps, ltmailto, ltnews, lttelnet, ltwais };

// "http://", "mailto:" and so on: what goes in front of the address.
std::string_view link_prefix(tLinkType type);

// TLinkLabel's text: the address it opens and the caption it shows. A new
// HyperLink becomes the caption only while the caption is empty, so a
// label that names its link in words keeps its words.
class LinkLabelText {
 public:
  void set_caption(std::string caption) { caption_ = std::move(caption); }
  void set_hyper_link(std::string hyper_link);
  void set_link_type(tLinkType type) { link_type_ = type; }

  const std::string& caption() const { return caption_; }
  const std::string& hyper_link() const { return hyper_link_; }
  tLinkType link_type() const { return link_type_; }
  // What a press opens: the scheme's prefix followed by HyperLink.
  std::string address() const;

 private:
  std::string caption_;
  std::string hyper_link_;
  tLinkType link_type_ = tLinkType::lthttp;
};

// Why the shell would not open something, in a few plain words, from the
// code ShellExecute gives back (32 or below is a refusal).
std::string shell_refusal_reason(long long code);

// What the user reads when the shell refuses to open a file or an address.
std::string shell_refusal_message(std::string_view target, long long code);

}  // namespace vantrel::ui
