#pragma once
// Clock, threads and wakeups of the simulated platform, on a SimWorld.
#include <memory>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "platform/Threads.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

class SimClock final : public Clock {
 public:
  explicit SimClock(SimWorld& world) : world_(world) {}
  std::int64_t NowUs() override { return world_.NowUs(); }
  void SleepMs(std::uint32_t ms) override;

 private:
  SimWorld& world_;
};

// Ends and joins its threads when destroyed (after shutting the world down).
class SimThreads final : public Threads {
 public:
  explicit SimThreads(SimWorld& world) : world_(world) {}
  ~SimThreads() override;
  void Start(std::function<void()> body, ThreadPriority priority) override;
  std::unique_ptr<Wakeup> MakeWakeup() override;
  bool KeepRunning() override { return !world_.IsShutDown(); }
  // Shuts the world down and joins every thread started here.
  void StopAll();

 private:
  SimWorld& world_;
  std::vector<std::thread> threads_;
};

}  // namespace varkel::sim
