// The tray icon's frames as Vantrel.exe carries them, and its hidden window
// against the real window manager.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tray/tray_frames_win32.h"
#include "tray/tray_icon_win32.h"
#include "win32/handles.h"

namespace vantrel::tray {
namespace {

std::wstring program_beside_tests() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"Vantrel.exe";
}

// Vantrel.exe's resources, without running it.
class ProgramResources {
 public:
  ProgramResources()
      : module_(LoadLibraryExW(program_beside_tests().c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ProgramResources() {
    if (module_) FreeLibrary(module_);
  }
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;
  HINSTANCE get() const { return module_; }

 private:
  HMODULE module_;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool operator<(const Picture& other) const { return pixels < other.pixels; }
  bool operator==(const Picture& other) const = default;
};

// The icon's colour image, as 32-bit pixels.
Picture picture_of(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  const win32::UniqueGdi<HBITMAP> colour(info.hbmColor);
  const win32::UniqueGdi<HBITMAP> mask(info.hbmMask);
  BITMAP bitmap{};
  GetObjectW(colour.get(), sizeof bitmap, &bitmap);
  Picture picture{bitmap.bmWidth, bitmap.bmHeight, {}};
  picture.pixels.resize(static_cast<std::size_t>(bitmap.bmWidth) * static_cast<std::size_t>(bitmap.bmHeight));
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = bitmap.bmWidth;
  format.bmiHeader.biHeight = -bitmap.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  const win32::WindowDc screen(nullptr);
  GetDIBits(screen.get(), colour.get(), 0, static_cast<UINT>(bitmap.bmHeight), picture.pixels.data(), &format,
            DIB_RGB_COLORS);
  return picture;
}

// How far apart two pictures of one size are: the sum of every channel's
// difference.
long distance(const Picture& a, const Picture& b) {
  if (a.pixels.size() != b.pixels.size()) return LONG_MAX;
  long sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    for (int shift = 0; shift < 32; shift += 8) {
      sum += std::abs(static_cast<long>((a.pixels[i] >> shift) & 0xFF) -
                      static_cast<long>((b.pixels[i] >> shift) & 0xFF));
    }
  }
  return sum;
}

TEST(TrayFrames, EightDifferentPicturesAtEachSize) {
  const ProgramResources program;
  ASSERT_NE(program.get(), nullptr) << "Vantrel.exe beside the tests";
  for (const int size : {16, 20, 24, 32}) {
    const TrayFrames frames(program.get(), size);
    ASSERT_EQ(frames.count(), 8);
    std::set<Picture> pictures;
    for (int i = 0; i < frames.count(); ++i) {
      const Picture picture = picture_of(frames.frame(i));
      EXPECT_EQ(picture.width, size) << "frame " << i;
      EXPECT_EQ(picture.height, size) << "frame " << i;
      pictures.insert(picture);
    }
    EXPECT_EQ(pictures.size(), 8u) << "at " << size << " pixels";
    EXPECT_EQ(frames.frame(8), nullptr);
    EXPECT_EQ(frames.frame(-1), nullptr);
  }
}

TEST(TrayFrames, TheProgramsOwnIconIsFrameZero) {
  const ProgramResources program;
  ASSERT_NE(program.get(), nullptr);
  const int size = GetSystemMetrics(SM_CXSMICON);
  const TrayFrames frames(program.get(), size);
  HICON large = nullptr;
  HICON small = nullptr;
  // Counted as one or two icons depending on the system; both must come.
  ExtractIconExW(program_beside_tests().c_str(), 0, &large, &small, 1);
  ASSERT_NE(small, nullptr);
  ASSERT_NE(large, nullptr);
  const win32::UniqueIcon large_owned(large);
  const win32::UniqueIcon small_owned(small);
  // The shell may convert the colours it extracts, so the frame it shows
  // is the one its picture is nearest to.
  const Picture shown_by_the_shell = picture_of(small);
  std::vector<long> distances;
  for (int i = 0; i < frames.count(); ++i)
    distances.push_back(distance(shown_by_the_shell, picture_of(frames.frame(i))));
  EXPECT_EQ(std::min_element(distances.begin(), distances.end()) - distances.begin(), 0);
  EXPECT_EQ(picture_of(application_icon(program.get(), size)), picture_of(frames.frame(0)));
}

// A plain top-level window standing in for the main window.
class OwnerWindow {
 public:
  OwnerWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 10, 10, 100, 80, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
  ~OwnerWindow() { DestroyWindow(window_); }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST(TrayIconWindow, IsAHiddenTopLevelWindowThatNeverHoldsUpTheSession) {
  const OwnerWindow owner;
  TrayIconWindow tray(GetModuleHandleW(nullptr), owner.get());
  ASSERT_NE(tray.handle(), nullptr);
  // A message-only window would never hear TaskbarCreated.
  EXPECT_EQ(GetAncestor(tray.handle(), GA_PARENT), GetDesktopWindow());
  EXPECT_FALSE(IsWindowVisible(tray.handle()));
  EXPECT_EQ(FindWindowW(kTrayWindowClass, nullptr), tray.handle());
  EXPECT_EQ(SendMessageW(tray.handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
}

TEST(TrayIconWindow, NotificationsReachTheIcon) {
  const OwnerWindow owner;
  TrayIconWindow tray(GetModuleHandleW(nullptr), owner.get());
  int clicks = 0;
  tray.icon().on_click = [&] { ++clicks; };
  SendMessageW(tray.handle(), kCallbackMessage, kIconIdentifier, WM_LBUTTONDOWN);
  SendMessageW(tray.handle(), kCallbackMessage, kIconIdentifier, WM_LBUTTONUP);
  EXPECT_EQ(clicks, 1);
  tray.icon().set_enabled(false);
  SendMessageW(tray.handle(), kCallbackMessage, kIconIdentifier, WM_LBUTTONDOWN);
  SendMessageW(tray.handle(), kCallbackMessage, kIconIdentifier, WM_LBUTTONUP);
  EXPECT_EQ(clicks, 1);
}

TEST(TrayIconWindow, ShowsAndHidesTheOwnerFromEveryState) {
  const OwnerWindow owner;
  TrayIconWindow tray(GetModuleHandleW(nullptr), owner.get());
  tray.show_application();
  EXPECT_TRUE(IsWindowVisible(owner.get()));
  tray.hide_application();
  EXPECT_FALSE(IsWindowVisible(owner.get()));
  ShowWindow(owner.get(), SW_SHOWMINIMIZED);
  ASSERT_TRUE(IsIconic(owner.get()));
  tray.hide_application();
  tray.show_application();
  EXPECT_TRUE(IsWindowVisible(owner.get()));
  EXPECT_FALSE(IsIconic(owner.get())) << "a minimized window comes back in its normal state";
}

TEST(TrayIconWindow, MinimizingGoesToTheTrayWhenAsked) {
  const OwnerWindow owner;
  TrayIconWindow tray(GetModuleHandleW(nullptr), owner.get());
  tray.show_application();
  tray.icon().application_minimized();
  EXPECT_TRUE(IsWindowVisible(owner.get())) << "off by default";
  tray.icon().set_minimize_to_tray(true);
  tray.icon().application_minimized();
  EXPECT_FALSE(IsWindowVisible(owner.get()));
  EXPECT_TRUE(tray.icon().icon_visible());
}

}  // namespace
}  // namespace vantrel::tray
