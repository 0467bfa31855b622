#pragma once
// Another thread's message to a window whose modal loop runs on this thread.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace varkel::win32 {

// Runs `run` (a modal run on this thread) while another thread waits for
// `window` to be known and then calls send(window). True when the run
// returned within a second of send returning. A loop left asleep is woken
// afterwards, so that a failure does not hang the test.
inline bool RunEndsWithinASecondOfSend(const std::function<void()>& run, const std::atomic<HWND>& window,
                                       const std::function<void(HWND)>& send) {
  const DWORD loopThread = GetCurrentThreadId();
  std::atomic<bool> runEnded{false};
  bool inTime = false;
  std::thread sender([&] {
    while (!window.load()) Sleep(1);
    send(window.load());
    const ULONGLONG sent = GetTickCount64();
    while (!runEnded && GetTickCount64() - sent < 1000) Sleep(5);
    inTime = runEnded;
    while (!runEnded) {
      PostThreadMessageW(loopThread, WM_NULL, 0, 0);
      Sleep(20);
    }
  });
  run();
  runEnded = true;
  sender.join();
  return inTime;
}

}  // namespace varkel::win32
