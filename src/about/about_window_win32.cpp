#include "about/about_window_win32.h"

#include <windowsx.h>

#include <utility>

#include "about/about_layout.h"
#include "about/pictures/about_pictures.h"
#include "base/dpi.h"
#include "frame/window_outline_win32.h"
#include "win32/colour.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

constexpr int kBarId = 200;
constexpr int kOkId = 201;
constexpr int kLinkLabel1Id = 202;
constexpr int kLinkLabel2Id = 203;
constexpr COLORREF kNavy = RGB(0, 0, 128);
// The glyph's surroundings: the button takes its bottom-left pixel's
// colour as transparent.
constexpr COLORREF kGlyphKey = RGB(255, 0, 255);

win32::UniqueGdi<HFONT> make_font(int pixels, bool bold) {
  return win32::UniqueGdi<HFONT>(CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

HICON load_icon(HINSTANCE instance, int id, int size) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

// The OK button's glyph: the icon drawn on the key colour, `size` pixels
// square.
win32::UniqueGdi<HBITMAP> ok_glyph(HINSTANCE instance, int size) {
  const win32::UniqueIcon icon(load_icon(instance, VANTREL_OK_GLYPH, size));
  if (!icon) return nullptr;
  const win32::WindowDc screen(nullptr);
  win32::UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), size, size));
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  const win32::SelectedObject selected(dc.get(), bitmap.get());
  const RECT all{0, 0, size, size};
  const win32::UniqueGdi<HBRUSH> key(CreateSolidBrush(kGlyphKey));
  FillRect(dc.get(), &all, key.get());
  DrawIconEx(dc.get(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
  return bitmap;
}

std::wstring about_text(AboutText text, const std::string& version) {
  switch (text) {
    case AboutText::LabelApp:
      return L"Vantrel";
    case AboutText::LabelVersion:
      return win32::widen(version_caption(version));
    case AboutText::credit_title:
      return win32::widen(kCreditTitle);
    case AboutText::credit_name:
      return win32::widen(kCreditName);
    case AboutText::mail_title:
      return L"e-mail:";
    case AboutText::web_title:
      return L"Web site";
    case AboutText::icons_credit:
      return win32::widen(kIconsCredit);
  }
  return {};
}

}  // namespace

TFormAbout::TFormAbout(HINSTANCE instance, std::string version)
    : version_(std::move(version)),
      font_(make_font(11, false)),
      bar_font_(make_font(16, true)),
      app_font_(make_font(16, true)),
      scheme_(colour_scheme(kDefaultSchemeName)),
      background_(CreateSolidBrush(win32::colour_ref(scheme_.window))),
      picture_(load_icon(instance, VANTREL_ABOUT_PICTURE, kImage1Bounds.right - kImage1Bounds.left)) {
  register_class(instance, kClassName);
  const int dpi = win32::system_dpi();
  const ui::Point origin = about_origin({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, dpi);
  create(instance, kClassName, L"About", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW,
         RECT{origin.x, origin.y, origin.x + base::scale_length(kAboutSize.width, dpi),
              origin.y + base::scale_length(kAboutSize.height, dpi)},
         nullptr);
}

TFormAbout::~TFormAbout() {
  destroy();
}

void TFormAbout::show() {
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
}

void TFormAbout::close() {
  ShowWindow(handle(), SW_HIDE);
}

LRESULT TFormAbout::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      create_controls();
      apply_rounded_outline(handle());
      dpi_layout_.capture(handle());
      lay_out(win32::window_dpi(handle()));
      return 0;
    case WM_DPICHANGED:
      lay_out(win32::take_suggested_place(handle(), wparam, lparam));
      return 0;
    // FormMouseDown and FormMouseMove: the window's surface, with the texts
    // and the picture drawn on it, and what lets the mouse through to it
    // (the frame lines).
    case WM_LBUTTONDOWN:
      SetCapture(handle());
      [[fallthrough]];
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      FormMouseDown({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_MOUSEMOVE:
      FormMouseMove({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, (wparam & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle()) ReleaseCapture();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(handle(), &paint);
      this->paint(dc);
      EndPaint(handle(), &paint);
      return 0;
    }
    case WM_CLOSE:
      close();
      return 0;
    case WM_DESTROY:
      bar_.reset();
      ok_.reset();
      mail_.reset();
      web_.reset();
      frame_.reset();
      return 0;
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

void TFormAbout::create_controls() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle(), GWLP_HINSTANCE));
  bar_ = std::make_unique<ui::TGradientButton>(handle(), kBarId, L"About",
                                               RECT{0, 0, kAboutSize.width, kTitleStripHeight});
  bar_->set_takes_focus(false);
  SetWindowLongPtrW(bar_->handle(), GWL_STYLE, GetWindowLongPtrW(bar_->handle(), GWL_STYLE) & ~WS_TABSTOP);
  bar_->set_show_focus_rect(false);
  bar_->set_show_accel_char(false);
  bar_->set_font(bar_font_.get());
  bar_->set_text_colour(base::rgb(255, 255, 255));
  bar_->on_mouse_down = [this](POINT at) { FormMouseDown(at); };
  bar_->on_mouse_move = [this](POINT at, bool left_down) { FormMouseMove(at, left_down); };

  const ui::Rect& ok = kAboutOkBounds;
  ok_ = std::make_unique<ui::TGradientButton>(handle(), kOkId, L" OK ",
                                              RECT{ok.left, ok.top, ok.right, ok.bottom});
  ok_->set_font(font_.get());
  ok_->set_glyph(ok_glyph(instance, kOkGlyphSize).get());
  ok_->on_click = [this] { close(); };  // ButtonOKClick
  // The window's one button: Enter and Escape both press it.
  ok_->set_default(true);
  ok_->set_cancel(true);

  const std::pair<std::unique_ptr<ui::TLinkLabel>*, std::pair<int, ui::Point>> links[] = {
      {&mail_, {kLinkLabel1Id, kLinkLabel1At}}, {&web_, {kLinkLabel2Id, kLinkLabel2At}}};
  for (const auto& [label, place] : links) {
    *label = std::make_unique<ui::TLinkLabel>(handle(), place.first, POINT{place.second.x, place.second.y},
                                              font_.get());
  }
  for (const auto& [label, text] : {std::pair{mail_.get(), mail_link()}, std::pair{web_.get(), web_link()}}) {
    label->set_link_type(text.link_type());
    label->set_caption(text.caption());
    label->set_hyper_link(text.hyper_link());
  }
  frame_ = std::make_unique<WindowFrame>(handle(), kAboutSize.width, kAboutSize.height);
}

void TFormAbout::lay_out(int dpi) {
  const bool changed = dpi != dpi_layout_.dpi();
  dpi_layout_.apply(dpi);
  fit_designed_size(handle(), kAboutSize.width, kAboutSize.height, dpi_layout_.dpi());
  if (!changed) return;
  // The pictures at the size they show, from the sizes their files hold.
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle(), GWLP_HINSTANCE));
  picture_.reset(load_icon(instance, VANTREL_ABOUT_PICTURE,
                           dpi_layout_.scale(kImage1Bounds.right - kImage1Bounds.left)));
  ok_->set_glyph(ok_glyph(instance, dpi_layout_.scale(kOkGlyphSize)).get());
  InvalidateRect(handle(), nullptr, TRUE);
}

void TFormAbout::paint(HDC dc) {
  RECT all{};
  GetClientRect(handle(), &all);
  FillRect(dc, &all, background_.get());
  SetBkMode(dc, TRANSPARENT);
  for (const AboutTextPlace& place : kAboutTexts) {
    const bool app = place.text == AboutText::LabelApp;
    const win32::SelectedObject font(dc, dpi_layout_.shown_font(app ? app_font_.get() : font_.get()));
    SetTextColor(dc, app ? kNavy : GetSysColor(COLOR_WINDOWTEXT));
    RECT box =
        dpi_layout_.scale(RECT{place.bounds.left, place.bounds.top, place.bounds.right, place.bounds.bottom});
    const std::wstring text = about_text(place.text, version_);
    const UINT align =
        app ? DT_CENTER | DT_VCENTER : (place.text == AboutText::LabelVersion ? DT_RIGHT : DT_LEFT) | DT_TOP;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, align | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (picture_) {
    const ui::Rect image = base::scale_rect(kImage1Bounds, dpi_layout_.dpi());
    DrawIconEx(dc, image.left, image.top, picture_.get(), image.right - image.left, image.bottom - image.top,
               0, nullptr, DI_NORMAL);
  }
}

void TFormAbout::FormMouseDown(POINT at) {
  drag_.press({at.x, at.y});
}

void TFormAbout::FormMouseMove(POINT at, bool left_down) {
  RECT bounds{};
  GetWindowRect(handle(), &bounds);
  // Always as the title strip does: this window ignores "Easy Window Move".
  if (const auto moved =
          drag_.move(DragSource::title_strip, false, left_down, {bounds.left, bounds.top}, {at.x, at.y}))
    SetWindowPos(handle(), nullptr, moved->x, moved->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormAbout::apply_colour_scheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  background_.reset(CreateSolidBrush(win32::colour_ref(scheme.window)));
  if (!bar_) return;
  apply_title_bar_colours(bar_->colors(), scheme);
  apply_about_ok_colours(ok_->colors(), scheme);
  for (ui::TGradientButton* button : {bar_.get(), ok_.get()}) button->set_color(scheme.window);
  for (ui::TLinkLabel* label : {mail_.get(), web_.get()}) label->set_background(scheme.window);
  frame_->set_colour(scheme.dark);
  RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TFormAbout::apply_quality(ui::TGradientQuality quality) {
  if (!bar_) return;
  for (ui::TGradientButton* button : {bar_.get(), ok_.get()}) button->set_quality(quality);
}

}  // namespace vantrel::app
