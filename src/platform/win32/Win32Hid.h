#pragma once
// SetupAPI and the HID class library behind HidBus, and the reading of
// WM_DEVICECHANGE broadcasts.
#include <windows.h>

#include "platform/Hid.h"

namespace varkel::win32 {

class Win32HidBus final : public HidBus {
 public:
  std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
  std::unique_ptr<HidQuery> OpenForQuery(const std::u16string& path) override;
  std::unique_ptr<HidReader> OpenForReading(const std::u16string& path) override;
  std::unique_ptr<HidWriter> OpenForWriting(const std::u16string& path) override;
  // Registers the notify window once it is known (now, or when it is set).
  void WatchArrivalsAndRemovals() override;
  DeviceNotice ReadNotice(std::uintptr_t event, std::intptr_t data) override;

  // The main window, which receives WM_DEVICECHANGE.
  void SetNotifyWindow(HWND window);

 private:
  void RegisterIfReady();
  HWND window_ = nullptr;
  bool wanted_ = false;
  HDEVNOTIFY registration_ = nullptr;
};

// A WM_DEVICECHANGE message as the program reads it. `data` may be null or
// point at any broadcast; an interface name is read no further than the
// broadcast's own size.
DeviceNotice ReadDeviceChange(WPARAM event, LPARAM data);

}  // namespace varkel::win32
