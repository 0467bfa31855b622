#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/sim/SimThreads.h"

namespace varkel::sim {
namespace {

// Two threads sleeping on virtual time wake in deadline order, and Advance
// returns only once both are waiting again.
TEST(SimWorld, VirtualSleepersWakeInDeadlineOrder) {
  SimWorld world(SimWorld::Time::Virtual);
  SimClock clock(world);
  std::mutex logLock;
  std::vector<std::pair<char, std::int64_t>> log;
  {
    SimThreads threads(world);
    auto sleeper = [&](char name, std::uint32_t ms) {
      return [&, name, ms] {
        while (threads.KeepRunning()) {
          clock.SleepMs(ms);
          if (!threads.KeepRunning()) break;
          std::lock_guard g(logLock);
          log.emplace_back(name, clock.NowUs() / 1000);
        }
      };
    };
    threads.Start(sleeper('a', 20), ThreadPriority::Highest);
    threads.Start(sleeper('b', 30), ThreadPriority::Highest);
    world.Settle();
    world.Advance(60'000);
    EXPECT_EQ(clock.NowUs(), 60'000);
    std::lock_guard g(logLock);
    const std::vector<std::pair<char, std::int64_t>> expected = {
        {'a', 20}, {'b', 30}, {'a', 40}, {'a', 60}, {'b', 60}};
    auto sorted = log;
    std::sort(sorted.begin(), sorted.end(),
              [](auto& x, auto& y) { return std::tie(x.second, x.first) < std::tie(y.second, y.first); });
    EXPECT_EQ(sorted, expected);
  }
}

TEST(SimWorld, WakeupHandsOverOnce) {
  SimWorld world(SimWorld::Time::Virtual);
  std::atomic<int> woken{0};
  SimThreads threads(world);
  auto wakeup = threads.MakeWakeup();
  threads.Start([&] {
    while (threads.KeepRunning()) {
      wakeup->Wait();
      if (threads.KeepRunning()) ++woken;
    }
  }, ThreadPriority::Highest);
  world.Settle();
  EXPECT_EQ(woken, 0);
  wakeup->Raise();
  world.Settle();
  EXPECT_EQ(woken, 1);
  threads.StopAll();
  EXPECT_EQ(woken, 1);
}

// The calls that wait for the interface thread on Windows are refused only to
// the thread that holds a watched lock.
TEST(SimWorld, RefusesWaitsToTheHolderOfAWatchedLockOnly) {
  SimWorld world;
  WatchedMutex watched, other;
  world.WatchLock(watched);
  std::vector<std::string> breaches;
  world.OnWatchedLockHeld([&](const std::string& call) { breaches.push_back(call); });

  world.CheckNoWatchedLockHeld("free");
  {
    std::lock_guard g(other);
    world.CheckNoWatchedLockHeld("an unwatched lock held");
  }
  {
    std::lock_guard g(watched);
    std::thread([&] { world.CheckNoWatchedLockHeld("another thread"); }).join();
    world.CheckNoWatchedLockHeld("the watched lock held");
  }
  world.CheckNoWatchedLockHeld("let go");
  EXPECT_EQ(breaches, std::vector<std::string>{"the watched lock held"});
}

}  // namespace
}  // namespace varkel::sim
