#pragma once
// The system clock's time of day, as recording measures the gaps between
// keys. Unlike Clock it jumps back at midnight.
#include <cstdint>

namespace varkel {

inline constexpr std::int32_t kMillisecondsPerDay = 86'400'000;

class TimeOfDay {
 public:
  virtual ~TimeOfDay() = default;
  // Milliseconds since midnight, UTC: 0 .. kMillisecondsPerDay - 1.
  virtual std::int32_t MillisecondsOfDay() = 0;
};

}  // namespace varkel
