// The hotkey icons as Vantrel.exe carries them and the list loads them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "hotkeys/hotkey_icons_win32.h"
#include "hotkeys/hotkey_record.h"
#include "win32/handles.h"

namespace vantrel::hotkeys {
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

struct ImageListDeleter {
  void operator()(HIMAGELIST icons) const { ImageList_Destroy(icons); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// One picture of the list as the user sees it: drawn over white and over
// black, so that its transparency counts too.
std::vector<std::uint32_t> drawn(HIMAGELIST icons, int index) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(icons, &width, &height);
  std::vector<std::uint32_t> pixels;
  for (const COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win32::UniqueGdi<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    {
      const win32::SelectedObject selected(dc.get(), bitmap.get());
      const RECT all{0, 0, width, height};
      const win32::UniqueGdi<HBRUSH> brush(CreateSolidBrush(background));
      FillRect(dc.get(), &all, brush.get());
      ImageList_Draw(icons, index, dc.get(), 0, 0, ILD_TRANSPARENT);
      GdiFlush();
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.insert(pixels.end(), first,
                  first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  }
  return pixels;
}

TEST(HotkeyIcons, TheSizeFollowsTheScreensDpi) {
  const std::map<int, int> cases{{96, 32}, {120, 40}, {144, 48}, {192, 64}, {72, 24}, {0, 32}};
  for (const auto& [dpi, size] : cases) EXPECT_EQ(hotkey_icon_size(dpi), size) << dpi << " DPI";
}

TEST(HotkeyIcons, FiftyTwoDifferentPicturesAtEachSize) {
  const ProgramResources program;
  ASSERT_NE(program.get(), nullptr) << "Vantrel.exe beside the tests";
  for (const int size : {16, 24, 32, 40, 48}) {
    const UniqueImageList icons(load_hotkey_icons(program.get(), size));
    ASSERT_NE(icons, nullptr);
    ASSERT_EQ(ImageList_GetImageCount(icons.get()), kIconCount);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(icons.get(), &width, &height);
    EXPECT_EQ(width, size);
    EXPECT_EQ(height, size);
    const std::vector<std::uint32_t> blank(2 * static_cast<std::size_t>(size * size), 0);
    std::map<std::vector<std::uint32_t>, int> seen;
    for (int i = 0; i < kIconCount; ++i) {
      std::vector<std::uint32_t> picture = drawn(icons.get(), i);
      // Over white and over black the same pixels: the picture covers them.
      const auto half = picture.begin() + static_cast<std::ptrdiff_t>(size * size);
      EXPECT_FALSE(std::equal(picture.begin(), half, half, picture.end(),
                              [](std::uint32_t a, std::uint32_t b) { return a != b; }))
          << "icon " << i << " at " << size << " pixels shows nothing";
      const auto [where, added] = seen.emplace(std::move(picture), i);
      EXPECT_TRUE(added) << "icons " << where->second << " and " << i << " look the same at " << size
                         << " pixels";
    }
  }
}

// What loading each icon on its own and adding it gives: the system's
// loader and the list's own icon conversion.
UniqueImageList one_by_one(HINSTANCE module, int size) {
  UniqueImageList icons(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kIconCount, 0));
  for (int i = 0; i < kIconCount; ++i) {
    const win32::UniqueIcon icon(static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(kFirstHotkeyIconResource + i), IMAGE_ICON, size, size, 0)));
    EXPECT_GE(ImageList_ReplaceIcon(icons.get(), -1, icon.get()), 0) << "icon " << i;
  }
  return icons;
}

TEST(HotkeyIcons, EachPictureIsWhatTheSystemsLoaderMakesOfIt) {
  const ProgramResources program;
  ASSERT_NE(program.get(), nullptr) << "Vantrel.exe beside the tests";
  // Bitmap entries (up to 32) and PNG ones (above) alike.
  for (const int size : {16, 24, 32, 48}) {
    const UniqueImageList ours(load_hotkey_icons(program.get(), size));
    const UniqueImageList reference = one_by_one(program.get(), size);
    ASSERT_EQ(ImageList_GetImageCount(ours.get()), kIconCount);
    for (const int i : {0, 7, 23, 51}) {
      EXPECT_EQ(drawn(ours.get(), i), drawn(reference.get(), i))
          << "icon " << i << " at " << size << " pixels";
    }
  }
}

TEST(HotkeyIcons, ReloadedInPlaceAtAnotherSizeAsIfLoadedAnew) {
  const ProgramResources program;
  ASSERT_NE(program.get(), nullptr) << "Vantrel.exe beside the tests";
  const UniqueImageList icons(load_hotkey_icons(program.get(), 32));
  // From bitmaps to PNG pictures and back, each time the same list.
  for (const int size : {48, 24, 40}) {
    EXPECT_TRUE(reload_hotkey_icons(icons.get(), program.get(), size)) << size;
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(icons.get(), &width, &height);
    ASSERT_EQ(width, size);
    ASSERT_EQ(height, size);
    ASSERT_EQ(ImageList_GetImageCount(icons.get()), kIconCount) << "at " << size << " pixels";
    const UniqueImageList reference = one_by_one(program.get(), size);
    for (const int i : {0, 7, 23, 51}) {
      EXPECT_EQ(drawn(icons.get(), i), drawn(reference.get(), i))
          << "icon " << i << " at " << size << " pixels";
    }
  }
  EXPECT_FALSE(reload_hotkey_icons(icons.get(), program.get(), 40)) << "the same size again";
  EXPECT_EQ(ImageList_GetImageCount(icons.get()), kIconCount);
}

TEST(HotkeyIcons, AMissingPictureKeepsItsPlace) {
  // The tests carry no icons: every place is there, and blank.
  const UniqueImageList icons(load_hotkey_icons(GetModuleHandleW(nullptr), 32));
  ASSERT_NE(icons, nullptr);
  ASSERT_EQ(ImageList_GetImageCount(icons.get()), kIconCount);
  std::vector<std::uint32_t> white_then_black(32 * 32, 0xFFFFFF);
  white_then_black.resize(2 * 32 * 32, 0);
  for (const int i : {0, 34, 51}) {
    std::vector<std::uint32_t> picture = drawn(icons.get(), i);
    for (auto& pixel : picture) pixel &= 0xFFFFFF;
    EXPECT_EQ(picture, white_then_black) << "icon " << i << " is blank";
  }
}

}  // namespace
}  // namespace vantrel::hotkeys
