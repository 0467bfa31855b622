#pragma once
// Time as the worker threads see it. Every pause and every timed wait of the
// program goes through here, so that a simulated platform can run the whole
// program on virtual time.
#include <cstdint>

namespace varkel {

class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic time in microseconds.
  virtual std::int64_t NowUs() = 0;
  // Sleeps ms milliseconds, kept to the millisecond.
  virtual void SleepMs(std::uint32_t ms) = 0;
};

}  // namespace varkel
