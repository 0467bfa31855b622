#pragma once
// The simulated platform's one lock, clock and wait. Every blocking call of a
// simulated adapter (sleep, wakeup, a report read) waits here, so that on
// virtual time the harness knows when the program is quiet and can move the
// clock; on real time the same waits use the machine's clock.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/WatchedMutex.h"

namespace varkel::sim {

class SimWorld {
 public:
  enum class Time { Real, Virtual };
  explicit SimWorld(Time time = Time::Real);
  SimWorld(const SimWorld&) = delete;
  SimWorld& operator=(const SimWorld&) = delete;

  bool IsVirtual() const { return time_ == Time::Virtual; }
  std::mutex& Mutex() { return mutex_; }

  std::int64_t NowUs();
  // The same, for a caller that holds the lock.
  std::int64_t NowUsLocked() const;

  // Blocks the calling thread (the caller holds `lock` on Mutex()) until
  // ready() holds, the deadline (microseconds on this world's clock, -1 for
  // none) passes, or the world shuts down. Returns ready().
  bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
                 std::int64_t deadlineUs = -1);

  // Call after changing anything a waiter may be waiting for. Takes the lock.
  void Notify();
  // The same, for a caller that already holds the lock.
  void NotifyLocked();

  // Program threads on virtual time register themselves, so that Settle can
  // tell when all of them wait.
  void EnterThread();
  void LeaveThread();

  // Virtual time: returns once every registered thread waits with nothing
  // ready for it at the current time.
  void Settle();
  // Virtual time: moves the clock forward by us, waking sleepers in deadline
  // order and settling after each.
  void Advance(std::int64_t us);

  // Every wait returns at once from now on; threads can then be joined.
  void Shutdown();
  bool IsShutDown();

  // On Windows a message box, the pointer speed's broadcast or a repaint
  // may wait for the interface thread, which may itself wait for a watched
  // lock (the profile lock). The simulated adapters of those calls check
  // here that the calling thread holds no watched lock. A breach goes to
  // the handler; without one the process ends with a message on stderr, so
  // that every test that meets one fails.
  void WatchLock(const WatchedMutex& lock);
  void CheckNoWatchedLockHeld(const std::string& call);
  void OnWatchedLockHeld(std::function<void(const std::string& call)> handler);

 private:
  struct Waiter;
  bool QuietLocked() const;

  const Time time_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::condition_variable quiet_;
  std::int64_t virtualNowUs_ = 0;
  std::uint64_t epoch_ = 0;
  int threads_ = 0;
  Waiter* waiters_ = nullptr;  // intrusive list of threads inside WaitUntil
  bool shutDown_ = false;
  std::vector<const WatchedMutex*> watchedLocks_;
  std::function<void(const std::string&)> onWatchedLockHeld_;
};

}  // namespace varkel::sim
