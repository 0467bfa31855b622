#pragma once
// Clock, threads and wakeups on the standard library, for the native
// benchmarks and the demo's simulated mouse: they really run.
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "platform/Threads.h"

namespace varkel {

class StdClock final : public Clock {
 public:
  std::int64_t NowUs() override;
  // Sleeps until a deadline on the steady clock.
  void SleepMs(std::uint32_t ms) override;
};

// Highest-priority threads are raised (nice -10 on Linux) when the process
// may do so. StopAll (or the destructor) makes
// KeepRunning false, releases every Wait for good and joins the threads:
// their bodies must not block anywhere else for long.
class StdThreads final : public Threads {
 public:
  StdThreads() = default;
  StdThreads(const StdThreads&) = delete;
  StdThreads& operator=(const StdThreads&) = delete;
  ~StdThreads() override;

  void Start(std::function<void()> body, ThreadPriority priority) override;
  std::unique_ptr<Wakeup> MakeWakeup() override;
  bool KeepRunning() override { return running_.load(std::memory_order_acquire); }
  void StopAll();

  struct WakeupState;

 private:
  std::atomic<bool> running_{true};
  std::mutex mutex_;
  std::vector<std::thread> threads_;
  std::vector<std::shared_ptr<WakeupState>> wakeups_;
};

}  // namespace varkel
