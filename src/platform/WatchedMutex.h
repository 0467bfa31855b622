#pragma once
// A mutex that knows which thread holds it.
//
// The working profile sits behind one, and the interface thread waits for
// it (to paint, to apply). A thread that holds it must therefore call
// nothing that waits for the interface thread: on Windows a message box, a
// setting broadcast to every window or a repaint that waits would hang both
// threads. The simulated platform refuses those calls while the calling
// thread holds a watched mutex.
#include <atomic>
#include <mutex>
#include <thread>

namespace varkel {

class WatchedMutex {
 public:
  void lock() {
    mutex_.lock();
    holder_.store(std::this_thread::get_id(), std::memory_order_relaxed);
  }
  bool try_lock() {
    if (!mutex_.try_lock()) return false;
    holder_.store(std::this_thread::get_id(), std::memory_order_relaxed);
    return true;
  }
  void unlock() {
    holder_.store(std::thread::id(), std::memory_order_relaxed);
    mutex_.unlock();
  }

  // Only the holder can see its own id here, so relaxed order is enough.
  bool HeldByThisThread() const { return holder_.load(std::memory_order_relaxed) == std::this_thread::get_id(); }

 private:
  std::mutex mutex_;
  std::atomic<std::thread::id> holder_{};
};

}  // namespace varkel
