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
  // An idle pause whose length need not be exact: it may run a system tick
  // long, and asks nothing of the system's timer (Windows keeps its coarse
  // resolution meanwhile).
  virtual void PauseMs(std::uint32_t ms) { SleepMs(ms); }
};

}  // namespace varkel
