#include <gtest/gtest.h>

#include <atomic>

#include "platform/portable/StdThreads.h"

namespace varkel {
namespace {

// A raise that comes before the wait is kept; StopAll releases a waiter that
// has nothing more to wait for, so the threads can be joined.
TEST(StdThreads, WakeupKeepsEarlyRaiseAndStopReleasesWaiters) {
  StdThreads threads;
  auto wakeup = threads.MakeWakeup();
  std::atomic<int> passes{0};
  wakeup->Raise();
  threads.Start([&] {
    while (threads.KeepRunning()) {
      wakeup->Wait();
      ++passes;
    }
  }, ThreadPriority::Highest);
  StdClock clock;
  const std::int64_t start = clock.NowUs();
  while (passes.load() < 1 && clock.NowUs() - start < 2'000'000) clock.SleepMs(1);
  EXPECT_GE(passes.load(), 1);
  threads.StopAll();
  EXPECT_FALSE(threads.KeepRunning());
}

TEST(StdClock, SleepsAtLeastItsTime) {
  StdClock clock;
  const std::int64_t start = clock.NowUs();
  clock.SleepMs(5);
  EXPECT_GE(clock.NowUs() - start, 5'000);
}

}  // namespace
}  // namespace varkel
