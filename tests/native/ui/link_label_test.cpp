#include "ui/link_label.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel::ui {
namespace {

TEST(LinkLabel, EachTypeOpensItsSchemeFollowedByTheAddress) {
  // Out of the designed order, so that a table shifted by one fails.
  const struct {
    tLinkType type;
    const char* hyper_link;
    const char* opened;
  } cases[] = {
      {tLinkType::ltmailto, "someone@example.org", "mailto:someone@example.org"},
      {tLinkType::ltwais, "wais.example.org/db", "wais:wais.example.org/db"},
      {tLinkType::lthttp, "www.example.org/x", "http://www.example.org/x"},
      {tLinkType::ltfile, "C:/notes/a.txt", "file://C:/notes/a.txt"},
      {tLinkType::lttelnet, "host.example.org", "telnet:host.example.org"},
      {tLinkType::lthttps, "secure.example.org", "https://secure.example.org"},
      {tLinkType::ltgopher, "gopher.example.org", "gopher://gopher.example.org"},
      {tLinkType::ltnews, "comp.lang.c", "news:comp.lang.c"},
      {tLinkType::ltftp, "ftp.example.org/pub", "ftp://ftp.example.org/pub"},
  };
  for (const auto& c : cases) {
    LinkLabelText label;
    label.set_link_type(c.type);
    label.set_hyper_link(c.hyper_link);
    EXPECT_EQ(label.address(), c.opened);
  }
}

TEST(LinkLabel, StartsAsAnEmptyWebLink) {
  const LinkLabelText label;
  EXPECT_EQ(label.link_type(), tLinkType::lthttp);
  EXPECT_EQ(label.caption(), "");
  EXPECT_EQ(label.address(), "http://");
}

TEST(LinkLabel, HyperLinkFillsAnEmptyCaptionOnly) {
  LinkLabelText label;
  label.set_hyper_link("first.example.org");
  EXPECT_EQ(label.caption(), "first.example.org");
  // Once the caption holds text, a new address leaves it as it is.
  label.set_hyper_link("second.example.org");
  EXPECT_EQ(label.caption(), "first.example.org");
  EXPECT_EQ(label.address(), "http://second.example.org");

  LinkLabelText named;
  named.set_caption("Our site");
  named.set_hyper_link("www.example.org");
  EXPECT_EQ(named.caption(), "Our site");
  EXPECT_EQ(named.hyper_link(), "www.example.org");

  // A caption emptied again takes the next address.
  named.set_caption("");
  named.set_hyper_link("other.example.org");
  EXPECT_EQ(named.caption(), "other.example.org");
}

TEST(LinkLabel, ChangingTheTypeKeepsAddressAndCaption) {
  LinkLabelText label;
  label.set_hyper_link("someone@example.org");
  label.set_link_type(tLinkType::ltmailto);
  EXPECT_EQ(label.caption(), "someone@example.org");
  EXPECT_EQ(label.address(), "mailto:someone@example.org");
}

TEST(ShellRefusal, NamesWhatFailedAndWhy) {
  EXPECT_EQ(shell_refusal_message("C:\\Vantrel\\history.txt", 2),
            "Could not open C:\\Vantrel\\history.txt\n\nThe file was not found.");
  EXPECT_EQ(shell_refusal_reason(31), "No program is set to open it.");
  EXPECT_EQ(shell_refusal_reason(3), "The folder was not found.");
  // Codes the shell has no words for still say what came back.
  EXPECT_EQ(shell_refusal_reason(19), "The system refused (code 19).");
}

}  // namespace
}  // namespace vantrel::ui
