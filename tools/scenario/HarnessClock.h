#pragma once
// Time for a program driven by the harness. The program's interface thread is
// the harness's own thread: when it pauses (start-up's 5 ms wait), the whole
// world moves on by that much, as it would around a sleeping thread. Every
// other thread sleeps on the world's clock.
#include <thread>

#include "platform/Clock.h"
#include "platform/sim/SimThreads.h"

namespace varkel::scenario {

class HarnessClock final : public Clock {
 public:
  explicit HarnessClock(sim::SimWorld& world)
      : world_(world), workers_(world), harness_(std::this_thread::get_id()) {}
  std::int64_t NowUs() override { return world_.NowUs(); }
  void SleepMs(std::uint32_t ms) override {
    if (std::this_thread::get_id() == harness_) {
      world_.Advance(std::int64_t{ms} * 1000);
    } else {
      workers_.SleepMs(ms);
    }
  }

 private:
  sim::SimWorld& world_;
  sim::SimClock workers_;
  const std::thread::id harness_;
};

}  // namespace varkel::scenario
