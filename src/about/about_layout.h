#pragma once

#include <array>
#include <string_view>

#include "base/dpi.h"
#include "base/product.h"
#include "frame/colour_scheme.h"
#include "ui/geometry.h"
#include "ui/gradient.h"
#include "ui/link_label.h"

namespace vantrel::app {

// The splash window (TFormLogo): a fixed client area in the middle of the
// screen.
inline constexpr ui::Size kSplashSize{392, 99};
// On a screen of `dpi`, the window is its designed size scaled.
ui::Point splash_origin(ui::Size screen, int dpi = base::kDesignDpi);

// The two overlapping "Vantrel" captions: Label1 in front, centred in the
// client area and moved 5 pixels right and down; Label2 behind it, 4 right
// and 2 down from Label1, so that it reads as Label1's shadow.
struct SplashCaptions {
  ui::Rect label1;
  ui::Rect label2;
};
SplashCaptions splash_captions(ui::Size client);

// The About window (TFormAbout): a fixed client area at its designed place
// on the screen, nudged inside a screen too small for it.
inline constexpr ui::Size kAboutSize{300, 200};
inline constexpr ui::Point kAboutOrigin{439, 246};
// The window keeps its designed place at any DPI; only a screen too small
// for its scaled size moves it.
ui::Point about_origin(ui::Size screen, int dpi = base::kDesignDpi);

// What the About window shows and where; texts are drawn on the window's
// surface, the links are TLinkLabels.
enum class AboutText {
  LabelApp,
  LabelVersion,
  credit_title,
  credit_name,
  mail_title,
  web_title,
  icons_credit
};
struct AboutTextPlace {
  AboutText text;
  ui::Rect bounds;
};
inline constexpr std::array<AboutTextPlace, 7> kAboutTexts{{
    {AboutText::LabelApp, {6, 32, 6 + 287, 32 + 25}},
    // Beside the title, on its middle line and against the right margin:
    // lower down it ran into the "Made by" row.
    {AboutText::LabelVersion, {192, 38, 294, 38 + 14}},
    {AboutText::credit_title, {8, 64, 78, 64 + 14}},
    {AboutText::credit_name, {80, 62, 294, 62 + 14}},
    {AboutText::mail_title, {8, 88, 78, 88 + 14}},
    {AboutText::web_title, {8, 112, 78, 112 + 14}},
    // Under the links, above the OK button: where the pictures come from.
    {AboutText::icons_credit, {8, 140, 294, 140 + 14}},
}};
inline constexpr ui::Point kLinkLabel1At{80, 88};
inline constexpr ui::Point kLinkLabel2At{80, 112};
inline constexpr ui::Rect kImage1Bounds{232, 94, 232 + 32, 94 + 32};
inline constexpr ui::Rect kAboutOkBounds{100, 162, 100 + 100, 162 + 25};
// The OK button's glyph is drawn at this size.
inline constexpr int kOkGlyphSize = 16;

// The maker's credit and addresses: the product's web site (also its home
// page, where updates are), its forum (where bugs are reported too) and
// the contact address.
inline constexpr std::string_view kCreditTitle = "Made by:";
inline constexpr std::string_view kCreditName = base::kPublisher;
inline constexpr std::string_view kWebSite = base::kWebSite;
inline constexpr std::string_view kForumPage = base::kForumPage;
inline constexpr std::string_view kContactAddress = base::kContactAddress;
// The pictures' source and licence (the whole text is in art/).
inline constexpr std::string_view kIconsCredit = "Icons: Fluent Emoji Flat, (c) Microsoft, MIT License";

// LinkLabel1 (mail) shows the address itself; LinkLabel2 (web) shows the
// whole address, scheme included, while it opens the same page.
ui::LinkLabelText mail_link();
ui::LinkLabelText web_link();

// "Version 1.2.3", from the build's one version number.
std::string version_caption(std::string_view version);

// The About window's OK button: dark to light in every state but focused,
// whose top keeps its designed colour.
void apply_about_ok_colours(ui::TGradientColors& colours, const ColourScheme& scheme);

}  // namespace vantrel::app
