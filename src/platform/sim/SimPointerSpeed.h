#pragma once
// The pointer-speed setting of the simulated platform: remembers the speed,
// can refuse to answer, and shows every change to an observer. As on
// Windows, where setting it tells every window, it is not to be used under
// the profile lock (the world checks).
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/PointerSpeed.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

class SimPointerSpeed final : public PointerSpeed {
 public:
  explicit SimPointerSpeed(SimWorld& world, int initial = 10) : world_(world), speed_(initial) {}

  std::optional<int> Get() override {
    world_.CheckNoWatchedLockHeld("the pointer speed's query");
    std::lock_guard g(world_.Mutex());
    if (!answers_) return std::nullopt;
    return speed_;
  }
  void Set(int speed) override {
    world_.CheckNoWatchedLockHeld("the pointer speed");
    std::function<void(int, std::int64_t)> observer;
    std::int64_t timeUs = 0;
    {
      std::lock_guard g(world_.Mutex());
      speed_ = speed;
      sets_.push_back(speed);
      observer = observer_;
      timeUs = world_.NowUsLocked();
    }
    if (observer) observer(speed, timeUs);
  }

  void SetAnswers(bool answers) {
    std::lock_guard g(world_.Mutex());
    answers_ = answers;
  }
  void SetObserver(std::function<void(int speed, std::int64_t timeUs)> observer) {
    std::lock_guard g(world_.Mutex());
    observer_ = std::move(observer);
  }
  int Current() {
    std::lock_guard g(world_.Mutex());
    return speed_;
  }
  std::vector<int> Sets() {
    std::lock_guard g(world_.Mutex());
    return sets_;
  }

 private:
  SimWorld& world_;
  int speed_;
  bool answers_ = true;
  std::vector<int> sets_;
  std::function<void(int, std::int64_t)> observer_;
};

}  // namespace varkel::sim
