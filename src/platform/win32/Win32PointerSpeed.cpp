#include "platform/win32/Win32PointerSpeed.h"

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <thread>

namespace varkel::win32 {

namespace {

// How long one window may take over the news before the next is told.
constexpr UINT kTellTimeoutMs = 5000;

}  // namespace

// SPIF_SENDCHANGE would send WM_SETTINGCHANGE to every top-level window and
// wait for each, a frozen one included, on the calling thread; and the
// message cannot be sent without waiting (the system refuses it to
// SendNotifyMessage and PostMessage). So a thread of its own sends it, with
// a time-out per window, and nobody waits for that thread but the process's
// end. Changes made while it sends are told once more after.
struct Win32PointerSpeed::Announcer {
  HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // auto-reset
  HANDLE told = CreateEventW(nullptr, TRUE, TRUE, nullptr);     // set while nothing is pending
  std::mutex lock;
  std::uint64_t changes = 0;
  std::uint64_t toldChanges = 0;
  bool stopping = false;
  std::thread thread;

  ~Announcer() {
    {
      std::lock_guard g(lock);
      stopping = true;
    }
    SetEvent(asked);
    if (thread.joinable()) thread.join();
    CloseHandle(asked);
    CloseHandle(told);
  }

  void Ask() {
    {
      std::lock_guard g(lock);
      ++changes;
      ResetEvent(told);
      if (!thread.joinable()) thread = std::thread([this] { Run(); });
    }
    SetEvent(asked);
  }

  void Run() {
    for (;;) {
      WaitForSingleObject(asked, INFINITE);
      std::uint64_t upTo;
      {
        std::lock_guard g(lock);
        if (stopping) return;
        upTo = changes;
      }
      DWORD_PTR answer = 0;
      SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0, SMTO_ABORTIFHUNG,
                          kTellTimeoutMs, &answer);
      std::lock_guard g(lock);
      toldChanges = upTo;
      if (toldChanges == changes) SetEvent(told);
    }
  }
};

Win32PointerSpeed::Win32PointerSpeed() : announcer_(std::make_unique<Announcer>()) {}

Win32PointerSpeed::~Win32PointerSpeed() = default;

std::optional<int> Win32PointerSpeed::Get() {
  int speed = 0;
  if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
  return speed;
}

void Win32PointerSpeed::Set(int speed) {
  // The speed travels in the pointer argument itself. Wine reads it from the
  // first argument instead (and would store 0), so it goes in both.
  SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                        reinterpret_cast<void*>(static_cast<std::intptr_t>(speed)), SPIF_UPDATEINIFILE);
  announcer_->Ask();
}

bool Win32PointerSpeed::WaitUntilTold(std::uint32_t timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return WaitForSingleObject(announcer_->told, 0) == WAIT_OBJECT_0;
    const DWORD woke = MsgWaitForMultipleObjects(1, &announcer_->told, FALSE, static_cast<DWORD>(deadline - now),
                                                 QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;
    // Peeking answers the messages sent to this thread's windows.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
}

}  // namespace varkel::win32
