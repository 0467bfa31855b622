#pragma once
// The system clock's time of day on a simulated platform: set to a time, it
// runs on with the platform's clock (virtual time included) and wraps at
// midnight. It starts at midnight.
#include <cstdint>

#include "platform/Clock.h"
#include "platform/TimeOfDay.h"

namespace varkel::sim {

class SimTimeOfDay final : public TimeOfDay {
 public:
  explicit SimTimeOfDay(Clock& clock) : clock_(clock), setAtUs_(clock.NowUs()) {}

  void Set(std::int32_t millisecondsOfDay) {
    setTo_ = millisecondsOfDay;
    setAtUs_ = clock_.NowUs();
  }

  std::int32_t MillisecondsOfDay() override {
    const std::int64_t now = setTo_ + (clock_.NowUs() - setAtUs_) / 1000;
    return static_cast<std::int32_t>(now % kMillisecondsPerDay);
  }

 private:
  Clock& clock_;
  std::int32_t setTo_ = 0;
  std::int64_t setAtUs_;
};

}  // namespace varkel::sim
