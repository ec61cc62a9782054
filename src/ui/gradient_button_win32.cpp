#include "ui/gradient_button_win32.h"

#include <windowsx.h>

#include <cwctype>
#include <random>
#include <vector>

#include "base/dpi.h"
#include "win32/colour.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace vantrel::ui {
namespace {

enum Image { kBackground, kClicked, kFocused, kHighlight };
constexpr COLORREF kCornerAccent = RGB(123, 150, 173);

// A device-independent bitmap holding the picture.
win32::UniqueGdi<HBITMAP> make_bitmap(const PixelImage& image) {
  if (image.width <= 0 || image.height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueGdi<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const std::uint32_t c = image.pixels[i];  // 0x00BBGGRR -> 0x00RRGGBB
    out[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  return bitmap;
}

void blit(HDC target, int x, int y, int width, int height, HBITMAP source) {
  if (!source || width <= 0 || height <= 0) return;
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(target));
  const win32::SelectedObject selected(dc.get(), source);
  BitBlt(target, x, y, width, height, dc.get(), 0, 0, SRCCOPY);
}

SIZE bitmap_size(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

// A copy of the glyph in greys, for a disabled button.
win32::UniqueGdi<HBITMAP> grey_copy(HDC reference, HBITMAP glyph) {
  const SIZE size = bitmap_size(glyph);
  PixelImage image{size.cx, size.cy, std::vector<std::uint32_t>(static_cast<std::size_t>(size.cx) * size.cy)};
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(reference));
  const win32::SelectedObject selected(dc.get(), glyph);
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) image.at(x, y) = disabled_grey(GetPixel(dc.get(), x, y));
  }
  return make_bitmap(image);
}

}  // namespace

TGradientButton::TGradientButton(HWND parent, int id, const std::wstring& caption, RECT bounds) {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  register_class(instance, kClassName);
  colors_.on_change = [this] { rebuild_gradients(); };
  create(instance, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, bounds, parent,
         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  rebuild_gradients();
}

TGradientButton* TGradientButton::from(HWND window) {
  return dynamic_cast<TGradientButton*>(Window::from(window));
}

void TGradientButton::repaint() {
  InvalidateRect(handle(), nullptr, FALSE);
  UpdateWindow(handle());
}

void TGradientButton::rebuild_gradients() {
  if (!handle()) return;
  RECT client{};
  GetClientRect(handle(), &client);
  const int w = client.right;
  const int h = client.bottom;
  const int steps = gradient_steps(quality_);
  const bool dither = quality_ == TGradientQuality::bqHigh;
  const GradientSizes sizes = gradient_sizes(w, h, state_);
  // The dither's offsets repeat from build to build.
  std::mt19937 random(0x5eed);
  const auto build = [&](ImageSize size, GradientColour from, GradientColour to) {
    ++gradient_builds_;
    return make_bitmap(fill_gradient(size.width, size.height, win32::colour_ref(colors_.get(from)),
                                     win32::colour_ref(colors_.get(to)), 1, steps, dither, random));
  };
  images_[kBackground] =
      build(sizes.background, GradientColour::BackgroundFrom, GradientColour::BackgroundTo);
  images_[kClicked] = build(sizes.clicked, GradientColour::ClickedFrom, GradientColour::ClickedTo);
  images_[kFocused] = build(sizes.clicked, GradientColour::FocusedFrom, GradientColour::FocusedTo);
  images_[kHighlight] = build(sizes.clicked, GradientColour::HighlightFrom, GradientColour::HighlightTo);
  repaint();
}

void TGradientButton::paint(HDC target) {
  RECT client{};
  GetClientRect(handle(), &client);
  const int w = client.right;
  const int h = client.bottom;
  const bool enabled = IsWindowEnabled(handle()) != FALSE;
  state_.gradient_control_active = from(GetFocus()) != nullptr;
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(target));
  const win32::UniqueGdi<HBITMAP> buffer(CreateCompatibleBitmap(target, std::max(1, w), std::max(1, h)));
  const win32::SelectedObject selected_buffer(dc.get(), buffer.get());

  const win32::UniqueGdi<HBRUSH> back(CreateSolidBrush(win32::colour_ref(color_)));
  FillRect(dc.get(), &client, back.get());

  const std::wstring caption = [this] {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle())) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(handle(), text.data(), static_cast<int>(text.size()))));
    return text;
  }();
  UINT flags =
      DT_END_ELLIPSIS | (word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE) | (show_accel_char_ ? 0 : DT_NOPREFIX);
  const HFONT font = font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const win32::SelectedObject selected_font(dc.get(), font);

  ButtonLook look;
  look.width = w;
  look.height = h;
  look.state = state_;
  look.show_focus_rect = show_focus_rect_;
  const SIZE glyph_size = bitmap_size(glyph_.get());
  look.glyph = {glyph_size.cx, glyph_size.cy};
  look.layout = layout_;
  look.spacing = spacing_;
  const PaintPlan plan = plan_paint(look, [&](Rect bounds) {
    RECT r{bounds.left, bounds.top, bounds.right, bounds.bottom};
    std::wstring measured = caption;
    if (measured.empty() || (measured == L"&" && show_accel_char_)) measured += L' ';
    DrawTextW(dc.get(), measured.c_str(), -1, &r, flags | DT_CALCRECT);
    return Rect{r.left, r.top, r.right, r.bottom};
  });

  if (plan.ring != RingImage::none) {
    blit(dc.get(), 1, 1, w - 2, h - 2,
         images_[plan.ring == RingImage::highlight ? kHighlight : kFocused].get());
  }
  if (plan.clicked_face) {
    blit(dc.get(), 1, 1, w - 2, h - 2, images_[kClicked].get());
  } else {
    const SIZE size = bitmap_size(images_[kBackground].get());
    blit(dc.get(), plan.background_at.x, plan.background_at.y,
         std::min<int>(size.cx, plan.background_max.width),
         std::min<int>(size.cy, plan.background_max.height), images_[kBackground].get());
  }
  {
    const win32::UniqueGdi<HPEN> pen(
        CreatePen(PS_SOLID, 1, win32::colour_ref(colors_.get(GradientColour::BorderLine))));
    const win32::SelectedObject selected_pen(dc.get(), pen.get());
    const win32::SelectedObject no_fill(dc.get(), GetStockObject(NULL_BRUSH));
    // The corners keep their shape on a larger screen: rounding and the
    // accent strokes across them grow with the DPI (the lines stay thin).
    const int dpi = win32::window_dpi(handle());
    const int round = base::scale_length(5, dpi);
    const int two = base::scale_length(2, dpi);
    const int three = base::scale_length(3, dpi);
    RoundRect(dc.get(), 0, 0, w, h, round, round);
    const win32::UniqueGdi<HPEN> accent(CreatePen(PS_SOLID, 1, kCornerAccent));
    const win32::SelectedObject selected_accent(dc.get(), accent.get());
    const POINT lines[4][2] = {{{0, two - 1}, {two, 0}},
                               {{w - two, 0}, {w, two}},
                               {{0, h - two}, {two, h}},
                               {{w - three, h}, {w, h - three}}};
    for (const auto& line : lines) {
      MoveToEx(dc.get(), line[0].x, line[0].y, nullptr);
      LineTo(dc.get(), line[1].x, line[1].y);
    }
  }
  if (plan.has_glyph) {
    win32::UniqueGdi<HBITMAP> grey;
    HBITMAP glyph = glyph_.get();
    if (auto_gray_ && !enabled) {
      grey = grey_copy(dc.get(), glyph);
      glyph = grey.get();
    }
    const win32::UniqueMemoryDc glyph_dc(CreateCompatibleDC(dc.get()));
    const win32::SelectedObject selected_glyph(glyph_dc.get(), glyph);
    const COLORREF transparent = GetPixel(glyph_dc.get(), 0, glyph_size.cy - 1);
    // gdi32's own copy of the function: msimg32 is no known DLL, and one
    // planted beside the program would be loaded for it.
    GdiTransparentBlt(dc.get(), plan.glyph_at.x, plan.glyph_at.y, glyph_size.cx, glyph_size.cy,
                      glyph_dc.get(), 0, 0, glyph_size.cx, glyph_size.cy, transparent);
  }
  SetBkMode(dc.get(), TRANSPARENT);
  if (plan.text_right_aligned) flags |= DT_RIGHT;
  RECT text{plan.text.left, plan.text.top, plan.text.right, plan.text.bottom};
  if (enabled) {
    const ColourValue colour =
        hot_track_ && state_.hot ? colors_.get(GradientColour::HotTrack) : text_colour_;
    SetTextColor(dc.get(), win32::colour_ref(colour));
    DrawTextW(dc.get(), caption.c_str(), -1, &text, flags);
  } else {
    RECT raised = text;
    OffsetRect(&raised, 1, 1);
    SetTextColor(dc.get(), GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc.get(), caption.c_str(), -1, &raised, flags);
    SetTextColor(dc.get(), GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc.get(), caption.c_str(), -1, &text, flags);
  }
  if (plan.focus_rect) {
    const RECT focus{plan.focus.left, plan.focus.top, plan.focus.right, plan.focus.bottom};
    DrawFocusRect(dc.get(), &focus);
  }
  BitBlt(target, 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
}

bool TGradientButton::cursor_inside() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT bounds{};
  GetWindowRect(handle(), &bounds);
  return PtInRect(&bounds, cursor) != FALSE;
}

void TGradientButton::set_hot(bool hot) {
  if (state_.hot == hot) return;
  state_.hot = hot;
  repaint();
}

void TGradientButton::mouse_down() {
  if (takes_focus_ && GetFocus() != handle()) SetFocus(handle());
  state_.pressed = true;
  repaint();
}

void TGradientButton::click() {
  if (on_click) on_click();
  SendMessageW(GetParent(handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(handle()));
}

LRESULT TGradientButton::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle(), &ps);
      paint(dc);
      EndPaint(handle(), &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      rebuild_gradients();
      return 0;
    // As the system's buttons: whoever lays the window out at another DPI
    // swaps the font without knowing the class.
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) repaint();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_MOUSEMOVE: {
      if (!tracking_leave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
        tracking_leave_ = TrackMouseEvent(&track) != FALSE;
      }
      // While the button holds the mouse, hot means over it.
      set_hot(GetCapture() == handle() ? cursor_inside() : true);
      if (on_mouse_move)
        on_mouse_move({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, (wparam & MK_LBUTTON) != 0);
      return 0;
    }
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      if (GetCapture() != handle()) set_hot(false);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(handle());
      mouse_down();
      if (on_mouse_down) on_mouse_down({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_LBUTTONUP: {
      const bool was_pressed = state_.pressed;
      const bool over = cursor_inside();
      if (GetCapture() == handle()) ReleaseCapture();
      state_.pressed = false;
      state_.hot = over;
      repaint();
      if (was_pressed && over) click();
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      state_.pressed = false;
      repaint();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != handle() && state_.pressed) {
        state_.pressed = false;
        repaint();
      }
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_SPACE && !(lparam & (1 << 30)) && GetKeyState(VK_SHIFT) >= 0 &&
          GetKeyState(VK_CONTROL) >= 0) {
        state_.hot = true;
        mouse_down();
        return 0;
      }
      if (wparam == VK_RETURN) {
        click();
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wparam == VK_SPACE && state_.pressed) {
        if (!cursor_inside()) state_.hot = false;
        state_.pressed = false;
        repaint();
        click();
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_WANTALLKEYS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      state_.focused = message == WM_SETFOCUS;
      if (!state_.focused) state_.pressed = false;
      // Default buttons elsewhere re-evaluate their look.
      for (HWND sibling = GetWindow(GetParent(handle()), GW_CHILD); sibling;
           sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != handle() && from(sibling) && from(sibling)->state_.is_default)
          InvalidateRect(sibling, nullptr, FALSE);
      }
      repaint();
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(handle(), message, wparam, lparam);
      repaint();
      return result;
    }
    default:
      break;
  }
  return Window::on_message(message, wparam, lparam);
}

bool TGradientButton::handle_dialog_key(HWND parent, const MSG& message) {
  std::vector<TGradientButton*> buttons;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring_view(name) == kClassName && from(child)) buttons.push_back(from(child));
  }
  const auto can_focus = [](TGradientButton* b) {
    return IsWindowVisible(b->handle()) && IsWindowEnabled(b->handle());
  };
  // A control that takes the key itself keeps it: a dropped-down list's
  // Enter chooses its item and its Escape closes it, as in any dialog.
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    const HWND focus = GetFocus();
    MSG copy = message;
    if (focus && !from(focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)) &
         (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
      return false;
  }
  const bool gradient_active = from(GetFocus()) != nullptr;
  const bool modifiers = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && !gradient_active) {
    for (TGradientButton* b : buttons) {
      if (b->state_.is_default && can_focus(b)) return b->click(), true;
    }
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && !modifiers) {
    for (TGradientButton* b : buttons) {
      if (b->cancel_ && can_focus(b)) return b->click(), true;
    }
  }
  if (message.message == WM_CHAR || message.message == WM_SYSCHAR) {
    const bool alt = message.message == WM_SYSCHAR;
    for (TGradientButton* b : buttons) {
      const char key = accelerator_char(win32::narrow(win32::window_text(b->handle())));
      const bool matches = key != 0 && std::towupper(static_cast<wint_t>(key)) ==
                                           std::towupper(static_cast<wint_t>(message.wParam));
      if (b->show_accel_char_ && matches && can_focus(b) && (alt || GetFocus() == b->handle()))
        return b->click(), true;
    }
  }
  return false;
}

void TGradientButton::set_quality(TGradientQuality quality) {
  if (quality_ == quality) return;
  quality_ = quality;
  rebuild_gradients();
}

void TGradientButton::set_font(HFONT font) {
  font_ = font;
  repaint();
}

void TGradientButton::set_text_colour(ColourValue colour) {
  text_colour_ = colour;
  repaint();
}

void TGradientButton::set_color(ColourValue colour) {
  color_ = colour;
  repaint();
}

void TGradientButton::set_glyph(HBITMAP glyph) {
  glyph_.reset(glyph ? static_cast<HBITMAP>(CopyImage(glyph, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
  repaint();
}

#define VANTREL_REPAINTING_SETTER(name, member, type) \
  void TGradientButton::name(type value) {            \
    if (member == value) return;                      \
    member = value;                                   \
    repaint();                                        \
  }
VANTREL_REPAINTING_SETTER(set_layout, layout_, TGradientLayout)
VANTREL_REPAINTING_SETTER(set_spacing, spacing_, int)
VANTREL_REPAINTING_SETTER(set_hot_track, hot_track_, bool)
VANTREL_REPAINTING_SETTER(set_show_focus_rect, show_focus_rect_, bool)
VANTREL_REPAINTING_SETTER(set_word_wrap, word_wrap_, bool)
VANTREL_REPAINTING_SETTER(set_show_accel_char, show_accel_char_, bool)
VANTREL_REPAINTING_SETTER(set_auto_gray, auto_gray_, bool)
#undef VANTREL_REPAINTING_SETTER

void TGradientButton::set_default(bool on) {
  if (state_.is_default == on) return;
  state_.is_default = on;
  repaint();
}

}  // namespace vantrel::ui
