#pragma once
// Virtual-key codes as the system numbers them, for the keys the program
// treats apart.
#include <cstdint>

namespace varkel::vk {

inline constexpr std::uintptr_t kReturn = 0x0D;
inline constexpr std::uintptr_t kEscape = 0x1B;
inline constexpr std::uintptr_t kF10 = 0x79;

}  // namespace varkel::vk
