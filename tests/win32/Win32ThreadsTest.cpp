#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "platform/win32/Win32Threads.h"
#include "platform/win32/Win32TimerThrottling.h"

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

// What the process asks of SetProcessInformation to keep its timer
// resolution while hidden, and that a missing or refusing call changes
// nothing else.
struct ThrottlingCall {
  int calls = 0;
  HANDLE process = nullptr;
  PROCESS_INFORMATION_CLASS infoClass{};
  DWORD size = 0;
  PROCESS_POWER_THROTTLING_STATE state{};
  BOOL answer = TRUE;
};
ThrottlingCall seen;

BOOL WINAPI RecordThrottling(HANDLE process, PROCESS_INFORMATION_CLASS infoClass, LPVOID info, DWORD size) {
  ++seen.calls;
  seen.process = process;
  seen.infoClass = infoClass;
  seen.size = size;
  if (size == sizeof(seen.state)) seen.state = *static_cast<PROCESS_POWER_THROTTLING_STATE*>(info);
  return seen.answer;
}

TEST(Win32TimerThrottling, AsksToKeepTheTimerResolutionWhileHidden) {
  for (const BOOL answer : {TRUE, FALSE}) {
    seen = ThrottlingCall{};
    seen.answer = answer;
    EXPECT_EQ(KeepTimerResolutionWhileHidden(&RecordThrottling), answer == TRUE);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.process, GetCurrentProcess());
    EXPECT_EQ(seen.infoClass, ProcessPowerThrottling);
    EXPECT_EQ(seen.size, sizeof(PROCESS_POWER_THROTTLING_STATE));
    EXPECT_EQ(seen.state.Version, 1u);
    EXPECT_EQ(seen.state.ControlMask, 0x4u);  // the timer resolution, controlled
    EXPECT_EQ(seen.state.StateMask, 0u);      // and not throttled
  }
  EXPECT_FALSE(KeepTimerResolutionWhileHidden(nullptr));
  // Wine has the call but refuses this class; the program goes on either way.
  KeepTimerResolutionWhileHidden();
  Win32Clock clock;
  clock.SleepMs(1);
}

}  // namespace
}  // namespace varkel::win32
