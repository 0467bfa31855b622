#include "platform/win32/Win32Threads.h"

#include <windows.h>
#include <timeapi.h>


namespace varkel::win32 {

namespace {

std::int64_t PerformanceFrequency() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return f.QuadPart;
}

}  // namespace

std::int64_t ProcessCpuTimeUs() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto us = [](const FILETIME& t) {
    return ((static_cast<std::int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10;
  };
  return us(kernel) + us(user);
}

std::int64_t Win32Clock::NowUs() {
  static const std::int64_t frequency = PerformanceFrequency();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}

// The timer resolution is raised to 1 ms for the sleep and given back after.
// (A high-resolution waitable timer measured worse under Wine, and other
// programs keep the coarse resolution while no macro plays.) Sleep may wake
// up to a tick late, so it sleeps to one millisecond before the deadline and
// yields the processor for the rest.
void Win32Clock::SleepMs(std::uint32_t ms) {
  const std::int64_t deadline = NowUs() + std::int64_t{ms} * 1000;
  timeBeginPeriod(1);
  if (ms > 1) Sleep(ms - 1);
  while (NowUs() < deadline) {
    if (deadline - NowUs() > 1500)
      Sleep(1);
    else
      SwitchToThread();
  }
  timeEndPeriod(1);
}

void Win32Clock::PauseMs(std::uint32_t ms) { Sleep(ms); }

struct Win32Threads::Event {
  HANDLE handle = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // auto-reset
  ~Event() {
    if (handle) CloseHandle(handle);
  }
};

namespace {

class Win32Wakeup final : public Wakeup {
 public:
  Win32Wakeup(std::shared_ptr<Win32Threads::Event> event, std::atomic<bool>& running)
      : event_(std::move(event)), running_(running) {}
  void Raise() override { SetEvent(event_->handle); }
  void Wait() override {
    WaitForSingleObject(event_->handle, INFINITE);
    // Once the threads stop, the event stays set for every later Wait.
    if (!running_.load(std::memory_order_acquire)) SetEvent(event_->handle);
  }

 private:
  std::shared_ptr<Win32Threads::Event> event_;
  std::atomic<bool>& running_;
};

}  // namespace

Win32Threads::~Win32Threads() {
  std::lock_guard lock(mutex_);
  for (auto& t : threads_) {
    if (t.joinable()) t.detach();
  }
}

void Win32Threads::Start(std::function<void()> body, ThreadPriority priority) {
  const int level = priority == ThreadPriority::Highest ? THREAD_PRIORITY_HIGHEST : THREAD_PRIORITY_NORMAL;
  std::lock_guard lock(mutex_);
  threads_.emplace_back([body = std::move(body), level] {
    SetThreadPriority(GetCurrentThread(), level);
    body();
  });
}

std::unique_ptr<Wakeup> Win32Threads::MakeWakeup() {
  auto event = std::make_shared<Event>();
  std::lock_guard lock(mutex_);
  events_.push_back(event);
  return std::make_unique<Win32Wakeup>(std::move(event), running_);
}

void Win32Threads::StopAll() {
  running_.store(false, std::memory_order_release);
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    for (auto& e : events_) SetEvent(e->handle);
    threads.swap(threads_);
  }
  for (auto& t : threads) {
    if (t.joinable()) t.join();
  }
}

}  // namespace varkel::win32
