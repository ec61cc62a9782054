#include "hotkeys/hotkey_icons_win32.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "hotkeys/hotkey_record.h"
#include "win32/handles.h"

namespace vantrel::hotkeys {
namespace {

constexpr int kSizeAt96Dpi = 32;

// A fully transparent picture in the list's next place.
void add_blank(HIMAGELIST icons, int size) {
  const win32::WindowDc screen(nullptr);
  const win32::UniqueGdi<HBITMAP> colour(CreateCompatibleBitmap(screen.get(), size, size));
  // Every mask bit set: nothing of the colour picture shows.
  const std::vector<BYTE> all_set(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0xFF);
  const win32::UniqueGdi<HBITMAP> mask(CreateBitmap(size, size, 1, 1, all_set.data()));
  ImageList_Add(icons, colour.get(), mask.get());
}

// An icon resource's picture at exactly `size` pixels, when the file
// holds it as a plain 32-bit bitmap: its colour rows (bottom-up, with
// alpha) and its mask rows. Anything else (a PNG entry, another depth or
// size) is left to the system's loader.
struct BitmapEntry {
  const std::uint32_t* colour = nullptr;
  const std::uint8_t* mask = nullptr;
};

int mask_stride(int width) {
  return (width + 31) / 32 * 4;
}

std::optional<BitmapEntry> bitmap_entry(HINSTANCE module, int id, int size) {
  const auto bytes_of = [module](const wchar_t* name, const wchar_t* type) -> std::span<const std::byte> {
    const HRSRC found = FindResourceW(module, name, type);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::byte*>(data), SizeofResource(module, found)};
  };
  const auto directory = bytes_of(MAKEINTRESOURCEW(id), RT_GROUP_ICON);
  if (directory.empty()) return std::nullopt;
  // The system's own choice of entry, as LoadImage would make it.
  const int entry_id = LookupIconIdFromDirectoryEx(
      reinterpret_cast<BYTE*>(const_cast<std::byte*>(directory.data())), TRUE, size, size, LR_DEFAULTCOLOR);
  const auto entry = entry_id ? bytes_of(MAKEINTRESOURCEW(entry_id), RT_ICON) : std::span<const std::byte>();
  BITMAPINFOHEADER header{};
  if (entry.size() < sizeof header) return std::nullopt;
  std::memcpy(&header, entry.data(), sizeof header);
  const std::size_t pixels = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  const std::size_t needed = sizeof header + pixels * 4 +
                             static_cast<std::size_t>(mask_stride(size)) * static_cast<std::size_t>(size);
  if (header.biSize != sizeof header || header.biWidth != size || header.biHeight != 2 * size ||
      header.biPlanes != 1 || header.biBitCount != 32 || header.biCompression != BI_RGB ||
      header.biClrUsed != 0 || entry.size() < needed)
    return std::nullopt;
  const std::byte* colour = entry.data() + sizeof header;
  return BitmapEntry{reinterpret_cast<const std::uint32_t*>(colour),
                     reinterpret_cast<const std::uint8_t*>(colour + pixels * 4)};
}

// Under Wine each ImageList_ReplaceIcon costs about 1.5 ms (80 ms for the
// list at start); one strip of all the pictures added in one call costs
// next to nothing. Only when every icon is a plain bitmap of the size (the
// sizes up to 32 pixels); a missing one is a transparent place. Adds
// nothing when it cannot.
bool add_as_one_strip(HIMAGELIST icons, HINSTANCE module, int size) {
  std::vector<std::optional<BitmapEntry>> entries;
  for (int i = 0; i < kIconCount; ++i) {
    const int id = kFirstHotkeyIconResource + i;
    auto entry = bitmap_entry(module, id, size);
    if (!entry && FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON)) return false;
    entries.push_back(entry);
  }
  const int width = size * kIconCount;
  struct StripFormat {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  };
  StripFormat format{};
  format.header = {sizeof format.header, width, size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* colour_bits = nullptr;
  const win32::UniqueGdi<HBITMAP> colour(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format),
                                                          DIB_RGB_COLORS, &colour_bits, nullptr, 0));
  format.header.biBitCount = 1;
  format.colours[1] = {255, 255, 255, 0};
  void* mask_bits = nullptr;
  const win32::UniqueGdi<HBITMAP> mask(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format),
                                                        DIB_RGB_COLORS, &mask_bits, nullptr, 0));
  if (!colour || !mask) return false;
  // Both bottom-up, as the icons' own rows are: row y of a picture is row y
  // of the strip, its columns shifted to the picture's place.
  auto* strip = static_cast<std::uint32_t*>(colour_bits);
  auto* strip_mask = static_cast<std::uint8_t*>(mask_bits);
  const int strip_mask_stride = mask_stride(width);
  std::memset(strip_mask, 0xFF, static_cast<std::size_t>(strip_mask_stride) * static_cast<std::size_t>(size));
  for (int i = 0; i < kIconCount; ++i) {
    const auto& entry = entries[static_cast<std::size_t>(i)];
    if (!entry) continue;  // stays transparent: colour 0, mask set
    for (int y = 0; y < size; ++y) {
      std::memcpy(strip + static_cast<std::ptrdiff_t>(y) * width + i * size,
                  entry->colour + static_cast<std::ptrdiff_t>(y) * size, static_cast<std::size_t>(size) * 4);
      const std::uint8_t* from = entry->mask + static_cast<std::ptrdiff_t>(y) * mask_stride(size);
      std::uint8_t* to = strip_mask + static_cast<std::ptrdiff_t>(y) * strip_mask_stride;
      for (int x = 0; x < size; ++x) {
        const int at = i * size + x;
        const auto bit = static_cast<std::uint8_t>(0x80 >> (at % 8));
        if (from[x / 8] & (0x80 >> (x % 8))) {
          to[at / 8] |= bit;
        } else {
          to[at / 8] &= static_cast<std::uint8_t>(~bit);
        }
      }
    }
  }
  return ImageList_Add(icons, colour.get(), mask.get()) == 0;
}

// The list emptied and made of `size` pictures, then the icons added.
void fill(HIMAGELIST icons, HINSTANCE module, int size) {
  ImageList_SetIconSize(icons, size, size);
  if (add_as_one_strip(icons, module, size)) return;
  ImageList_RemoveAll(icons);
  for (int i = 0; i < kIconCount; ++i) {
    const win32::UniqueIcon icon(static_cast<HICON>(LoadImageW(
        module, MAKEINTRESOURCEW(kFirstHotkeyIconResource + i), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (!icon || ImageList_ReplaceIcon(icons, -1, icon.get()) < 0) add_blank(icons, size);
  }
}

}  // namespace

int hotkey_icon_size(int dpi) {
  return MulDiv(kSizeAt96Dpi, dpi > 0 ? dpi : 96, 96);
}

HIMAGELIST load_hotkey_icons(HINSTANCE module, int size) {
  const HIMAGELIST icons = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kIconCount, 0);
  if (icons) fill(icons, module, size);
  return icons;
}

bool reload_hotkey_icons(HIMAGELIST icons, HINSTANCE module, int size) {
  int width = 0;
  int height = 0;
  if (!icons || !ImageList_GetIconSize(icons, &width, &height) || (width == size && height == size))
    return false;
  fill(icons, module, size);
  return true;
}

}  // namespace vantrel::hotkeys
