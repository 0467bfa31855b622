#include "platform/sim/SimWorld.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace varkel::sim {

// A thread inside WaitUntil. `epoch` is the world's epoch when it last found
// itself not ready: it is quiet while no change has happened since.
struct SimWorld::Waiter {
  std::int64_t deadlineUs;
  std::uint64_t epoch;
  Waiter* next;
};

namespace {
std::int64_t SteadyUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

SimWorld::SimWorld(Time time) : time_(time) {}

std::int64_t SimWorld::NowUsLocked() const { return IsVirtual() ? virtualNowUs_ : SteadyUs(); }

std::int64_t SimWorld::NowUs() {
  if (!IsVirtual()) return SteadyUs();
  std::lock_guard lock(mutex_);
  return virtualNowUs_;
}

bool SimWorld::WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
                         std::int64_t deadlineUs) {
  Waiter self{deadlineUs, 0, waiters_};
  waiters_ = &self;
  bool result = false;
  for (;;) {
    if (ready()) { result = true; break; }
    if (shutDown_) break;
    const std::int64_t now = NowUsLocked();
    if (deadlineUs >= 0 && now >= deadlineUs) break;
    self.epoch = epoch_;
    quiet_.notify_all();
    if (!IsVirtual() && deadlineUs >= 0) {
      changed_.wait_for(lock, std::chrono::microseconds(deadlineUs - now));
    } else {
      changed_.wait(lock);
    }
  }
  for (Waiter** p = &waiters_; *p; p = &(*p)->next) {
    if (*p == &self) { *p = self.next; break; }
  }
  return result;
}

void SimWorld::NotifyLocked() {
  ++epoch_;
  changed_.notify_all();
}

void SimWorld::Notify() {
  std::lock_guard lock(mutex_);
  NotifyLocked();
}

void SimWorld::EnterThread() {
  std::lock_guard lock(mutex_);
  ++threads_;
}

void SimWorld::LeaveThread() {
  std::lock_guard lock(mutex_);
  --threads_;
  quiet_.notify_all();
}

bool SimWorld::QuietLocked() const {
  if (shutDown_) return true;
  int waiting = 0;
  for (const Waiter* w = waiters_; w; w = w->next) {
    // A waiter that has not looked again since the last change, or whose
    // deadline has come, may still run.
    if (w->epoch != epoch_) return false;
    if (w->deadlineUs >= 0 && w->deadlineUs <= virtualNowUs_) return false;
    ++waiting;
  }
  return waiting >= threads_;
}

void SimWorld::Settle() {
  std::unique_lock lock(mutex_);
  quiet_.wait(lock, [this] { return QuietLocked(); });
}

void SimWorld::Advance(std::int64_t us) {
  std::unique_lock lock(mutex_);
  const std::int64_t target = virtualNowUs_ + us;
  for (;;) {
    quiet_.wait(lock, [this] { return QuietLocked(); });
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    for (const Waiter* w = waiters_; w; w = w->next) {
      if (w->deadlineUs >= 0 && w->deadlineUs < next) next = w->deadlineUs;
    }
    if (next > target || shutDown_) break;
    virtualNowUs_ = next;
    NotifyLocked();
  }
  virtualNowUs_ = target;
  NotifyLocked();
  quiet_.wait(lock, [this] { return QuietLocked(); });
}

void SimWorld::Shutdown() {
  std::lock_guard lock(mutex_);
  shutDown_ = true;
  NotifyLocked();
  quiet_.notify_all();
}

bool SimWorld::IsShutDown() {
  std::lock_guard lock(mutex_);
  return shutDown_;
}

void SimWorld::WatchLock(const WatchedMutex& lock) {
  std::lock_guard g(mutex_);
  watchedLocks_.push_back(&lock);
}

void SimWorld::OnWatchedLockHeld(std::function<void(const std::string&)> handler) {
  std::lock_guard g(mutex_);
  onWatchedLockHeld_ = std::move(handler);
}

void SimWorld::CheckNoWatchedLockHeld(const std::string& call) {
  std::function<void(const std::string&)> handler;
  {
    std::lock_guard g(mutex_);
    const bool held = std::any_of(watchedLocks_.begin(), watchedLocks_.end(),
                                  [](const WatchedMutex* m) { return m->HeldByThisThread(); });
    if (!held) return;
    handler = onWatchedLockHeld_;
  }
  if (handler) {
    handler(call);
    return;
  }
  std::fprintf(stderr, "simulated platform: %s called while holding a lock the interface thread may wait for\n", call.c_str());
  std::abort();
}

}  // namespace varkel::sim
