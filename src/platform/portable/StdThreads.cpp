#include "platform/portable/StdThreads.h"

#include <chrono>
#include <condition_variable>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace varkel {

std::int64_t StdClock::NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Some C++ libraries (mingw's) wake a little before the deadline; sleeping
// again for what is left keeps the sleep at least its time.
void StdClock::SleepMs(std::uint32_t ms) {
  using std::chrono::steady_clock;
  const auto deadline = steady_clock::now() + std::chrono::milliseconds(ms);
  for (auto now = steady_clock::now(); now < deadline; now = steady_clock::now()) {
    std::this_thread::sleep_for(deadline - now);
  }
}

struct StdThreads::WakeupState {
  std::mutex mutex;
  std::condition_variable changed;
  bool raised = false;
  bool closed = false;  // the threads are stopping: every Wait returns
};

namespace {

class StdWakeup final : public Wakeup {
 public:
  explicit StdWakeup(std::shared_ptr<StdThreads::WakeupState> state) : state_(std::move(state)) {}
  void Raise() override {
    {
      std::lock_guard lock(state_->mutex);
      state_->raised = true;
    }
    state_->changed.notify_one();
  }
  void Wait() override {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait(lock, [this] { return state_->raised || state_->closed; });
    state_->raised = false;
  }

 private:
  std::shared_ptr<StdThreads::WakeupState> state_;
};

}  // namespace

StdThreads::~StdThreads() { StopAll(); }

namespace {

// The highest-priority threads wait on reports and pause between macro
// steps; on a busy machine they must get the processor back at once. A
// process without the right to raise priorities keeps the normal one.
void RaiseCurrentThreadPriority() {
#ifdef __linux__
  sched_param param{};
  param.sched_priority = 1;  // the lowest real-time priority
  if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) != 0) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), -10);
  }
#endif
}

}  // namespace

void StdThreads::Start(std::function<void()> body, ThreadPriority priority) {
  std::lock_guard lock(mutex_);
  threads_.emplace_back([body = std::move(body), priority] {
    if (priority == ThreadPriority::Highest) RaiseCurrentThreadPriority();
    body();
  });
}

std::unique_ptr<Wakeup> StdThreads::MakeWakeup() {
  auto state = std::make_shared<WakeupState>();
  std::lock_guard lock(mutex_);
  wakeups_.push_back(state);
  return std::make_unique<StdWakeup>(std::move(state));
}

void StdThreads::StopAll() {
  running_.store(false, std::memory_order_release);
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    for (auto& w : wakeups_) {
      {
        std::lock_guard wl(w->mutex);
        w->closed = true;
      }
      w->changed.notify_all();
    }
    threads.swap(threads_);
  }
  for (auto& t : threads) {
    if (t.joinable()) t.join();
  }
}

}  // namespace varkel
