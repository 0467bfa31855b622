// The main window as the product runs it: its class, the Windows host of the
// main window and the device-change path of the real HID bus, on the dialog
// layer's modal run, with nothing else to wake that run's loop. When the run
// returns the product ends its process.
#include <windows.h>

#include <dbt.h>

#include <atomic>
#include <cwchar>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/CZUL_TavrinDlg.h"
#include "device/FindDevice.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/Win32MainWindowHost.h"
#include "platform/win32/dialog/Win32DialogHost.h"
#include "win32/DeviceBroadcast.h"
#include "win32/SentMessage.h"

namespace varkel::win32 {
namespace {

constexpr int kTemplate = 1001;  // tests/win32/DialogLayerTest.rc
constexpr wchar_t kMousePath[] = L"\\\\?\\HID#VID_18F8&PID_0F99&MI_02#7&1&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// The exit sequence's last step is what matters here.
class DestroyingShutdown final : public Shutdown {
 public:
  explicit DestroyingShutdown(Win32MainWindowHost& host) : host_(host) {}
  void ShutdownDriver() override { host_.DestroyMainWindow(); }

 private:
  Win32MainWindowHost& host_;
};

struct ProductWindow : testing::Test {
  ProductWindow() {
    link.SetDevicePath(std::u16string(kMousePath, kMousePath + wcslen(kMousePath)));
    link.deviceFound = true;
    mainWindow.SetDeviceChangeHandler([this](std::uintptr_t event, std::intptr_t data) {
      return OnDeviceChangeMessage(event, data, bus, link, host);
    });
  }

  // True when the run ended within a second of another thread's send.
  bool EndsAfter(const std::function<void(HWND)>& send) {
    return RunEndsWithinASecondOfSend([&] { dialogs.RunModal(kTemplate, mainWindow, nullptr); }, handle, send);
  }

  Win32DialogHost dialogs{GetModuleHandleW(nullptr)};
  Win32HidBus bus;
  Win32MainWindowHost host{u"Varkel游戏鼠"};
  DeviceLink link;
  DestroyingShutdown shutdown{host};
  std::atomic<HWND> handle{nullptr};
  CZUL_TavrinDlg mainWindow{[this](const MainWindowSteps& steps) {
                              const auto window = reinterpret_cast<HWND>(mainWindow.AttachedWindow()->Id());
                              host.SetWindow(window);
                              steps.dressWindow();
                              handle = window;
                              return true;
                            },
                            shutdown};
};

TEST_F(ProductWindow, UnpluggingTheMouseEndsTheRun) {
  auto removal = InterfaceBroadcast(kMousePath, wcslen(kMousePath));
  EXPECT_TRUE(EndsAfter([&](HWND window) {
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(removal.data()));
  }));
  EXPECT_FALSE(link.deviceFound);
  EXPECT_EQ(mainWindow.AttachedWindow(), nullptr);
}

TEST_F(ProductWindow, ACloseSentByAnotherProgramEndsTheRun) {
  EXPECT_TRUE(EndsAfter([](HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); }));
  EXPECT_EQ(mainWindow.AttachedWindow(), nullptr);
}

// A repaint asked for while there is no main window (before it is known,
// once it is gone) touches no other window: InvalidateRect without a window
// would repaint the whole desktop.
TEST(Win32MainWindowHost, RepaintWithoutTheWindowLeavesOtherWindowsAlone) {
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                               nullptr, nullptr);
  ValidateRect(other, nullptr);
  Win32MainWindowHost host(u"Varkel游戏鼠");
  host.RepaintWholeWindow();
  host.SetWindow(CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr));
  host.DestroyMainWindow();
  host.RepaintWholeWindow();
  RECT dirty{};
  EXPECT_FALSE(GetUpdateRect(other, &dirty, FALSE));
  DestroyWindow(other);
}

}  // namespace
}  // namespace varkel::win32
