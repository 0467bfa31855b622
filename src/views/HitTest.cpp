#include "views/HitTest.h"

namespace varkel {

int HitTest(std::span<const SkinElement> table, int last, std::int32_t x, std::int32_t y) {
  for (int i = 0; i <= last && i < static_cast<int>(table.size()); ++i) {
    if (table[static_cast<std::size_t>(i)].Contains(x, y)) return i;
  }
  return kNoElement;
}

const SkinElement* ElementAt(std::span<const SkinElement> table, int index) {
  if (index < 0 || index >= static_cast<int>(table.size())) return nullptr;
  return &table[static_cast<std::size_t>(index)];
}

}  // namespace varkel
