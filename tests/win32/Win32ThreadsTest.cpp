#include <gtest/gtest.h>

#include <atomic>

#include "platform/win32/Win32Threads.h"

namespace varkel::win32 {
namespace {

TEST(Win32Threads, EventWakesThreadAndStopReleasesIt) {
  Win32Threads threads;
  auto wakeup = threads.MakeWakeup();
  std::atomic<int> passes{0};
  threads.Start([&] {
    while (threads.KeepRunning()) {
      wakeup->Wait();
      ++passes;
    }
  }, ThreadPriority::Highest);
  wakeup->Raise();
  Win32Clock clock;
  const std::int64_t start = clock.NowUs();
  while (passes.load() < 1 && clock.NowUs() - start < 2'000'000) clock.SleepMs(1);
  EXPECT_GE(passes.load(), 1);
  threads.StopAll();
}

// Sleeps last their time and not much longer than a millisecond more.
TEST(Win32Clock, SleepsAreKeptToTheMillisecond) {
  Win32Clock clock;
  for (std::uint32_t ms : {1u, 5u, 20u}) {
    const std::int64_t start = clock.NowUs();
    clock.SleepMs(ms);
    const std::int64_t took = clock.NowUs() - start;
    EXPECT_GE(took, ms * 1000 - 100) << ms;
    EXPECT_LT(took, ms * 1000 + 5'000) << ms;
  }
}

}  // namespace
}  // namespace varkel::win32
