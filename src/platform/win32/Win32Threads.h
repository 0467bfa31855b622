#pragma once
// Clock, threads and wakeups on Windows: threads at their priority, wakeups
// as auto-reset event objects, and sleeps kept to the millisecond.
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "platform/Threads.h"

namespace varkel::win32 {

// CPU time used by the whole process so far (kernel and user), in
// microseconds; for measurements.
std::int64_t ProcessCpuTimeUs();

class Win32Clock final : public Clock {
 public:
  std::int64_t NowUs() override;
  // To the millisecond: the timer resolution is 1 ms while it sleeps, and
  // the last millisecond is yielded away rather than slept.
  void SleepMs(std::uint32_t ms) override;
  // A plain Sleep at the system's resolution.
  void PauseMs(std::uint32_t ms) override;
};

// The threads end with the process: the destructor leaves them running.
// StopAll is for tests whose thread bodies only wait on wakeups and sleeps.
class Win32Threads final : public Threads {
 public:
  Win32Threads() = default;
  Win32Threads(const Win32Threads&) = delete;
  Win32Threads& operator=(const Win32Threads&) = delete;
  ~Win32Threads() override;

  void Start(std::function<void()> body, ThreadPriority priority) override;
  std::unique_ptr<Wakeup> MakeWakeup() override;
  bool KeepRunning() override { return running_.load(std::memory_order_acquire); }
  void StopAll();

  struct Event;

 private:
  std::atomic<bool> running_{true};
  std::mutex mutex_;
  std::vector<std::thread> threads_;
  std::vector<std::shared_ptr<Event>> events_;
};

}  // namespace varkel::win32
