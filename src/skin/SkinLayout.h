#pragma once
// Where every element of the skinned windows lies, and the function names,
// as the skin's layout files give them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace varkel {

// A rectangle of client pixels with a text: x <= px < x + width, and the
// same for y.
struct SkinElement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::u16string text;

  bool Contains(std::int32_t px, std::int32_t py) const;
  // Left, top, right, bottom; sums beyond the 32-bit range are held at its ends.
  Rect Bounds() const;
};

// The place of one of the advanced page's child controls.
struct ControlPlace {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  Rect Bounds() const;
};

constexpr int kMainElementCount = 80;
constexpr int kColourElementCount = 12;
constexpr int kAdvancedElementCount = 20;
constexpr int kWarningElementCount = 3;
constexpr int kFunctionNameCount = 55;  // 1-54 read, 0 stays empty
// An element index that names no element.
constexpr std::uint8_t kNoElement = 255;

struct SkinLayout {
  std::array<SkinElement, kMainElementCount> main;
  std::array<std::u16string, kFunctionNameCount> functionNames;
  std::array<SkinElement, kColourElementCount> colour;
  std::array<SkinElement, kAdvancedElementCount> advanced;
  ControlPlace repeatBox;  // "EDIT" 3
  ControlPlace nameBox;    // "EDIT" 4
  ControlPlace macroList;  // "MACRODISPLAY" 1
  ControlPlace eventList;  // "MACRODISPLAY" 2
  std::array<SkinElement, kWarningElementCount> warning;
  std::int32_t windowWidth = 0;
  std::int32_t windowHeight = 0;
};

// The name of function code 1-54; empty for any other code.
std::u16string_view FunctionName(const SkinLayout& layout, std::int32_t code);

}  // namespace varkel
