#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <commctrl.h>

#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

#include "device/FindDevice.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/Win32PointerSpeed.h"
#include "win32/DeviceBroadcast.h"

namespace varkel::win32 {
namespace {

// No mouse reaches the test machine: the search walks whatever HID
// interfaces there are, queries them and answers no.
TEST(Win32Hid, SearchFindsNoMouseWithoutCrashing) {
  Win32HidBus bus;
  auto set = bus.PresentInterfaces();
  ASSERT_NE(set, nullptr);
  for (int i = 0; i < kSearchLimit; ++i) {
    const auto path = set->PathAt(i);
    if (!path) continue;
    EXPECT_FALSE(path->empty());
    if (auto query = bus.OpenForQuery(*path)) {
      query->Ids();
      query->Caps();
    }
  }
  DeviceLink link;
  EXPECT_FALSE(FindDevice(bus, link));
  EXPECT_FALSE(link.Input().opened);
  EXPECT_FALSE(link.Output().opened);
}

TEST(Win32Hid, ReadsDeviceChangeBroadcasts) {
  auto arrival = InterfaceBroadcast(L"\\\\?\\HID#VID_18F8", 16);
  auto notice = ReadDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(arrival.data()));
  EXPECT_EQ(notice.event, DeviceNotice::Event::Arrival);
  EXPECT_TRUE(notice.isInterface);
  EXPECT_EQ(notice.path, u"\\\\?\\HID#VID_18F8");

  // The name is read no further than the broadcast's declared size.
  const DWORD shortSize = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + 4 * sizeof(wchar_t);
  auto cut = InterfaceBroadcast(L"\\\\?\\HID#VID_18F8", 16, shortSize);
  notice = ReadDeviceChange(DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(cut.data()));
  EXPECT_EQ(notice.event, DeviceNotice::Event::Removal);
  EXPECT_EQ(notice.path, u"\\\\?\\");

  DEV_BROADCAST_HDR volume{};
  volume.dbch_size = sizeof(volume);
  volume.dbch_devicetype = DBT_DEVTYP_VOLUME;
  notice = ReadDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
  EXPECT_FALSE(notice.isInterface);

  notice = ReadDeviceChange(DBT_DEVNODES_CHANGED, 0);
  EXPECT_EQ(notice.event, DeviceNotice::Event::Other);
}

// A top-level window on a thread of its own, which either pumps its
// messages or, frozen, does not look at them until it is let go.
class WindowThread {
 public:
  explicit WindowThread(bool frozen) : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, frozen, made] {
      window_ = CreateWindowExW(0, L"STATIC", L"listener", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
      SetWindowSubclass(window_, &WindowThread::Listen, 0, reinterpret_cast<DWORD_PTR>(this));
      threadId_ = GetCurrentThreadId();
      SetEvent(made);
      if (frozen) WaitForSingleObject(release_, INFINITE);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(window_);
    });
    WaitForSingleObject(made, INFINITE);
    CloseHandle(made);
  }
  ~WindowThread() {
    SetEvent(release_);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(release_);
  }
  // The wParam of each WM_SETTINGCHANGE it has seen.
  std::vector<WPARAM> Changes() {
    std::lock_guard g(lock_);
    return changes_;
  }

 private:
  static LRESULT CALLBACK Listen(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_SETTINGCHANGE) {
      auto* me = reinterpret_cast<WindowThread*>(self);
      std::lock_guard g(me->lock_);
      me->changes_.push_back(wParam);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }

  HANDLE release_;
  std::thread thread_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
  std::mutex lock_;
  std::vector<WPARAM> changes_;
};

// Setting the speed stores it at once and tells the other windows without
// waiting for any of them: a frozen window must not hold the setter up (the
// setter may be the interface thread, or a thread the interface thread
// waits for).
TEST(Win32PointerSpeed, TellsOtherWindowsWithoutWaitingForThem) {
  Win32PointerSpeed speed;
  const auto before = speed.Get();
  ASSERT_TRUE(before);
  const int wanted = *before == 7 ? 9 : 7;
  WindowThread listening(false);
  ULONGLONG took = 0;
  {
    WindowThread frozen(true);
    const ULONGLONG start = GetTickCount64();
    speed.Set(wanted);
    took = GetTickCount64() - start;
    EXPECT_EQ(speed.Get(), wanted);
  }
  EXPECT_LT(took, 500u);
  EXPECT_TRUE(speed.WaitUntilTold(10'000));
  EXPECT_EQ(listening.Changes(), std::vector<WPARAM>{SPI_SETMOUSESPEED});
  speed.Set(*before);
  speed.WaitUntilTold(10'000);
}

// Before the process ends it waits for the news to have gone out; the news
// also goes to the waiting thread's own windows, which it must answer.
TEST(Win32PointerSpeed, WaitingForTheNewsAnswersOwnWindows) {
  Win32PointerSpeed speed;
  const auto before = speed.Get();
  ASSERT_TRUE(before);
  HWND own = CreateWindowExW(0, L"STATIC", L"own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  speed.Set(*before);
  const ULONGLONG start = GetTickCount64();
  EXPECT_TRUE(speed.WaitUntilTold(3000));
  EXPECT_LT(GetTickCount64() - start, 1000u);
  DestroyWindow(own);
}

TEST(Win32PointerSpeed, AnswersTheQuery) {
  Win32PointerSpeed speed;
  const auto now = speed.Get();
  ASSERT_TRUE(now);
  EXPECT_GE(*now, 1);
  EXPECT_LE(*now, 20);
}

}  // namespace
}  // namespace varkel::win32
