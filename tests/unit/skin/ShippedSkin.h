#pragma once
// Checks of the skin we ship, shared by the native and the Windows tests.
#include <gtest/gtest.h>

#include <string>

#include "platform/Region.h"
#include "skin/SkinLayout.h"

namespace varkel::skintest {

// Main elements 75-79 are the only ones the program never uses.
constexpr int kUsedMainElements = 75;

// Every element and place the program uses has a non-empty rectangle inside
// the window; with a shape, its four corner pixels are visible too.
inline void ExpectUsedElementsInside(const SkinLayout& layout, std::int32_t width,
                                     std::int32_t height, const Region* shape) {
  const auto check = [&](const Rect& r, const std::string& what) {
    EXPECT_FALSE(r.IsEmpty()) << what;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height) << what;
    if (shape && !r.IsEmpty()) {
      for (auto [x, y] : {std::pair{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1},
                          {r.right - 1, r.bottom - 1}})
        EXPECT_TRUE(shape->Contains(x, y)) << what << " corner " << x << "," << y;
    }
  };
  for (int i = 0; i < kUsedMainElements; ++i)
    check(layout.main[static_cast<std::size_t>(i)].Bounds(), "main " + std::to_string(i));
  for (int i = 0; i < kColourElementCount; ++i)
    check(layout.colour[static_cast<std::size_t>(i)].Bounds(), "colour " + std::to_string(i));
  for (int i = 0; i < kAdvancedElementCount; ++i)
    check(layout.advanced[static_cast<std::size_t>(i)].Bounds(), "advanced " + std::to_string(i));
  check(layout.repeatBox.Bounds(), "repeat box");
  check(layout.nameBox.Bounds(), "name box");
  check(layout.macroList.Bounds(), "macro list");
  check(layout.eventList.Bounds(), "event list");
}

}  // namespace varkel::skintest
