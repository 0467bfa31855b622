#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

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

// A 1 ms sleep lasts its millisecond and, typically, not much more (the
// median, so that a busy machine does not fail the test).
TEST(Win32Clock, SleepsAreKeptToTheMillisecond) {
  Win32Clock clock;
  std::vector<std::int64_t> took;
  for (int i = 0; i < 21; ++i) {
    const std::int64_t start = clock.NowUs();
    clock.SleepMs(1);
    took.push_back(clock.NowUs() - start);
  }
  std::sort(took.begin(), took.end());
  EXPECT_GE(took.front(), 900);
  EXPECT_LT(took[took.size() / 2], 3000);
}

}  // namespace
}  // namespace varkel::win32
