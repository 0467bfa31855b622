#include "platform/sim/SimThreads.h"

namespace varkel::sim {

void SimClock::SleepMs(std::uint32_t ms) {
  std::unique_lock lock(world_.Mutex());
  const std::int64_t deadline =
      world_.NowUsLocked() + std::int64_t{ms} * 1000;
  world_.WaitUntil(lock, [] { return false; }, deadline);
}

namespace {

class SimWakeup final : public Wakeup {
 public:
  explicit SimWakeup(SimWorld& world) : world_(world) {}
  void Raise() override {
    std::lock_guard lock(world_.Mutex());
    raised_ = true;
    world_.NotifyLocked();
  }
  void Wait() override {
    std::unique_lock lock(world_.Mutex());
    if (world_.WaitUntil(lock, [this] { return raised_; })) raised_ = false;
  }

 private:
  SimWorld& world_;
  bool raised_ = false;
};

}  // namespace

SimThreads::~SimThreads() { StopAll(); }

void SimThreads::Start(std::function<void()> body, ThreadPriority) {
  world_.EnterThread();
  threads_.emplace_back([this, body = std::move(body)] {
    body();
    world_.LeaveThread();
  });
}

std::unique_ptr<Wakeup> SimThreads::MakeWakeup() { return std::make_unique<SimWakeup>(world_); }

void SimThreads::StopAll() {
  world_.Shutdown();
  for (auto& t : threads_) {
    if (t.joinable()) t.join();
  }
  threads_.clear();
}

}  // namespace varkel::sim
