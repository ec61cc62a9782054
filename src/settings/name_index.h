#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace vantrel::settings {

// Names (matched ignoring ASCII case) to small ids, in one flat
// open-addressing table. The table holds only ids and hashes; the names
// stay in the caller's text and are fetched through name_of(id) to compare.
// Building it costs no allocation per name, and a lookup neither folds the
// name into a new string nor walks a chain of nodes.
class NameIndex {
 public:
  static std::uint32_t hash(std::string_view name) {
    std::uint32_t h = 2166136261u;
    for (const char c : name) h = (h ^ static_cast<unsigned char>(base::to_lower_ascii(c))) * 16777619u;
    return h;
  }

  template <typename NameOf>
  std::optional<std::uint32_t> find(std::string_view name, const NameOf& name_of) const {
    if (slots_.empty()) return std::nullopt;
    const std::uint32_t h = hash(name);
    for (std::size_t i = h & mask(); slots_[i].id != kEmpty; i = (i + 1) & mask()) {
      if (slots_[i].hash == h && base::equals_ignoring_case(name_of(slots_[i].id), name)) return slots_[i].id;
    }
    return std::nullopt;
  }

  // Adds the name unless it is there already; true when added.
  template <typename NameOf>
  bool insert(std::string_view name, std::uint32_t id, const NameOf& name_of) {
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    const std::uint32_t h = hash(name);
    std::size_t i = h & mask();
    for (; slots_[i].id != kEmpty; i = (i + 1) & mask()) {
      if (slots_[i].hash == h && base::equals_ignoring_case(name_of(slots_[i].id), name)) return false;
    }
    slots_[i] = {h, id};
    ++count_;
    return true;
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t id = kEmpty;
  };

  std::size_t mask() const { return slots_.size() - 1; }

  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
      if (slot.id == kEmpty) continue;
      std::size_t i = slot.hash & mask();
      while (slots_[i].id != kEmpty) i = (i + 1) & mask();
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

}  // namespace vantrel::settings
