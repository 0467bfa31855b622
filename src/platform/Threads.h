#pragma once
// Worker threads and the one way they wake each other.
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

namespace varkel {

enum class ThreadPriority { Normal, Highest };

// An auto-reset event: Raise wakes one Wait (or the next one to come).
class Wakeup {
 public:
  virtual ~Wakeup() = default;
  virtual void Raise() = 0;
  virtual void Wait() = 0;
};

class Threads {
 public:
  virtual ~Threads() = default;
  virtual void Start(std::function<void()> body, ThreadPriority priority) = 0;
  // The same for a thread the program names by what it does ("blinker"), so
  // that tools can show which thread starts; the name has no other effect.
  virtual void StartNamed(std::string_view name, std::function<void()> body, ThreadPriority priority) {
    static_cast<void>(name);
    Start(std::move(body), priority);
  }
  virtual std::unique_ptr<Wakeup> MakeWakeup() = 0;
  // Worker loops run while this holds. On Windows the threads end with the
  // process; simulated platforms end them to join them.
  virtual bool KeepRunning() = 0;
};

}  // namespace varkel
