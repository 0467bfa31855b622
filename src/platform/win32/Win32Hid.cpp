#include "platform/win32/Win32Hid.h"

#include <dbt.h>
#include <setupapi.h>

#include <cstddef>
#include <vector>

extern "C" {
#include <hidsdi.h>  // brings hidpi.h with the types it needs
}

namespace varkel::win32 {

namespace {

const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

GUID HidClass() {
  GUID guid;
  HidD_GetHidGuid(&guid);
  return guid;
}

HANDLE OpenPath(const std::u16string& path, DWORD access) {
  return CreateFileW(Wide(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                     nullptr);
}

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE h) : h_(h) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { CloseHandle(h_); }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

class Win32InterfaceSet final : public HidInterfaceSet {
 public:
  Win32InterfaceSet(GUID guid, HDEVINFO set) : guid_(guid), set_(set) {}
  ~Win32InterfaceSet() override { SetupDiDestroyDeviceInfoList(set_); }

  std::optional<std::u16string> PathAt(int index) override {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof(data);
    if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &guid_, static_cast<DWORD>(index), &data)) {
      return std::nullopt;
    }
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set_, &data, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
    // Kept in 8-byte units so the detail record is aligned.
    std::vector<std::uint64_t> buffer((size + 7) / 8 + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(set_, &data, detail, size, nullptr, nullptr)) return std::nullopt;
    const std::size_t units = (size - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    std::u16string path;
    for (std::size_t k = 0; k < units && detail->DevicePath[k] != L'\0'; ++k) {
      path.push_back(static_cast<char16_t>(detail->DevicePath[k]));
    }
    return path;
  }

 private:
  GUID guid_;
  HDEVINFO set_;
};

class Win32Query final : public HidQuery {
 public:
  explicit Win32Query(HANDLE h) : handle_(h) {}
  std::optional<HidIds> Ids() override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!HidD_GetAttributes(handle_.get(), &attributes)) return std::nullopt;
    return HidIds{attributes.VendorID, attributes.ProductID};
  }
  std::optional<HidCaps> Caps() override {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(handle_.get(), &preparsed)) return std::nullopt;
    HIDP_CAPS caps{};
    const bool ok = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(preparsed);
    if (!ok) return std::nullopt;
    return HidCaps{caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.FeatureReportByteLength};
  }

 private:
  OwnedHandle handle_;
};

class Win32Reader final : public HidReader {
 public:
  explicit Win32Reader(HANDLE h) : handle_(h) {}
  std::optional<std::size_t> Read(std::span<std::uint8_t> report) override {
    DWORD got = 0;
    if (!ReadFile(handle_.get(), report.data(), static_cast<DWORD>(report.size()), &got, nullptr)) {
      const DWORD error = GetLastError();
      gone_ = error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_DEVICE_REMOVED;
      return std::nullopt;
    }
    return got;
  }
  bool DeviceGone() override { return gone_; }

 private:
  OwnedHandle handle_;
  bool gone_ = false;
};

class Win32Writer final : public HidWriter {
 public:
  explicit Win32Writer(HANDLE h) : handle_(h) {}
  bool SendFeature(std::span<const std::uint8_t> report) override {
    // The call takes a non-const buffer but only reads it.
    return HidD_SetFeature(handle_.get(), const_cast<std::uint8_t*>(report.data()),
                           static_cast<ULONG>(report.size()));
  }

 private:
  OwnedHandle handle_;
};

template <typename Handle>
std::unique_ptr<Handle> Open(const std::u16string& path, DWORD access) {
  const HANDLE h = OpenPath(path, access);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Handle>(h);
}

}  // namespace

std::unique_ptr<HidInterfaceSet> Win32HidBus::PresentInterfaces() {
  const GUID guid = HidClass();
  const HDEVINFO set = SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32InterfaceSet>(guid, set);
}

std::unique_ptr<HidQuery> Win32HidBus::OpenForQuery(const std::u16string& path) {
  return Open<Win32Query>(path, 0);
}

std::unique_ptr<HidReader> Win32HidBus::OpenForReading(const std::u16string& path) {
  return Open<Win32Reader>(path, GENERIC_READ);
}

std::unique_ptr<HidWriter> Win32HidBus::OpenForWriting(const std::u16string& path) {
  return Open<Win32Writer>(path, GENERIC_WRITE);
}

void Win32HidBus::WatchArrivalsAndRemovals() {
  wanted_ = true;
  RegisterIfReady();
}

void Win32HidBus::SetNotifyWindow(HWND window) {
  window_ = window;
  RegisterIfReady();
}

void Win32HidBus::RegisterIfReady() {
  if (!wanted_ || !window_ || registration_) return;
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = HidClass();
  registration_ = RegisterDeviceNotificationW(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

DeviceNotice Win32HidBus::ReadNotice(std::uintptr_t event, std::intptr_t data) {
  return ReadDeviceChange(static_cast<WPARAM>(event), static_cast<LPARAM>(data));
}

DeviceNotice ReadDeviceChange(WPARAM event, LPARAM data) {
  DeviceNotice notice;
  if (event == DBT_DEVICEARRIVAL) notice.event = DeviceNotice::Event::Arrival;
  if (event == DBT_DEVICEREMOVECOMPLETE) notice.event = DeviceNotice::Event::Removal;
  if (notice.event == DeviceNotice::Event::Other || data == 0) return notice;

  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return notice;
  const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (header->dbch_size < nameOffset) return notice;
  notice.isInterface = true;
  const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data);
  const std::size_t units = (header->dbch_size - nameOffset) / sizeof(wchar_t);
  for (std::size_t k = 0; k < units && broadcast->dbcc_name[k] != L'\0'; ++k) {
    notice.path.push_back(static_cast<char16_t>(broadcast->dbcc_name[k]));
  }
  return notice;
}

}  // namespace varkel::win32
