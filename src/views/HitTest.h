#pragma once
// Which element of a table the pointer is over.
#include <span>

#include "skin/SkinLayout.h"

namespace varkel {

// The lowest index 0..last whose rectangle holds (x, y) (left and top edges
// inside, right and bottom outside), or kNoElement.
int HitTest(std::span<const SkinElement> table, int last, std::int32_t x, std::int32_t y);

// Element `index` of `table`, or null for kNoElement and any index outside it.
const SkinElement* ElementAt(std::span<const SkinElement> table, int index);

}  // namespace varkel
