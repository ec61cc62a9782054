#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace vantrel::settings {

// Positions by name, names matched ignoring ASCII case; the first position
// added under a name keeps it. The names stay in the caller's text (name_of
// gives a position's name), so the index is one flat array of small slots:
// no string per entry, no node per insertion and no lower-cased copy of a
// name to look it up.
class NameIndex {
 public:
  template <typename NameOf>
  std::optional<std::size_t> find(std::string_view name, const NameOf& name_of) const {
    if (slots_.empty()) return std::nullopt;
    const std::uint32_t hash = hash_of(name);
    for (std::size_t i = hash & mask(); slots_[i].position != kFree; i = (i + 1) & mask()) {
      const Slot& slot = slots_[i];
      if (slot.hash == hash && base::equals_ignoring_case(name_of(slot.position), name)) return slot.position;
    }
    return std::nullopt;
  }

  // False (and nothing changes) when the name is already there. Positions
  // are lines, so fewer than 2^32 - 1 of them.
  template <typename NameOf>
  bool insert(std::string_view name, std::size_t position, const NameOf& name_of) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const std::uint32_t hash = hash_of(name);
    std::size_t i = hash & mask();
    for (; slots_[i].position != kFree; i = (i + 1) & mask()) {
      const Slot& slot = slots_[i];
      if (slot.hash == hash && base::equals_ignoring_case(name_of(slot.position), name)) return false;
    }
    slots_[i] = {hash, static_cast<std::uint32_t>(position)};
    ++used_;
    return true;
  }

 private:
  static constexpr std::uint32_t kFree = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t position = kFree;
  };

  static std::uint32_t hash_of(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
      const auto byte = static_cast<unsigned char>(c);
      hash = (hash ^ (byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte)) * 16777619u;
    }
    // Names like Key17 and Key71 differ in few bits: mix them into the
    // low bits the table uses.
    hash ^= hash >> 15;
    hash *= 0x2c1b3c6du;
    hash ^= hash >> 12;
    return hash;
  }
  std::size_t mask() const { return slots_.size() - 1; }

  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
      if (slot.position == kFree) continue;
      std::size_t i = slot.hash & mask();
      while (slots_[i].position != kFree) i = (i + 1) & mask();
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace vantrel::settings
