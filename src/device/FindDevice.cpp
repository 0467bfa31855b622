#include "device/FindDevice.h"

namespace varkel {

namespace {

bool IsMouse(const std::optional<HidIds>& ids) {
  return ids && ids->vendorId == kMouseVendorId && ids->productId == kMouseProductId;
}

bool IsCollection(const HidCaps& caps, std::uint16_t usagePage) {
  return caps.usagePage == usagePage && caps.usage == kVendorUsage;
}

// Opens whichever vendor collection the interface is; passes others over.
void OpenCollection(HidBus& bus, const std::u16string& path, const HidCaps& caps,
                    DeviceLink& link) {
  if (IsCollection(caps, kInputUsagePage)) {
    link.SetInput({std::shared_ptr<HidReader>(bus.OpenForReading(path)), caps, true});
  } else if (IsCollection(caps, kOutputUsagePage)) {
    link.SetOutput({std::shared_ptr<HidWriter>(bus.OpenForWriting(path)), caps, true});
  }
}

}  // namespace

bool FindDevice(HidBus& bus, DeviceLink& link) {
  auto interfaces = bus.PresentInterfaces();
  for (int index = 0; index < kSearchLimit && interfaces; ++index) {
    const auto path = interfaces->PathAt(index);
    if (!path) continue;
    auto query = bus.OpenForQuery(*path);
    const auto ids = query ? query->Ids() : std::nullopt;
    link.deviceFound = false;
    if (!IsMouse(ids)) continue;  // the query handle closes here

    link.deviceFound = true;
    link.SetDevicePath(*path);
    // One registration is enough: a second would only double every notice.
    if (!link.watchingNotices) {
      bus.WatchArrivalsAndRemovals();
      link.watchingNotices = true;
    }
    if (const auto caps = query->Caps()) OpenCollection(bus, *path, *caps, link);
    query.reset();
    if (link.Input().opened && link.Output().opened) break;
  }
  return link.deviceFound;
}

bool SamePathIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char16_t c) -> char16_t { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

bool IsOurDevice(const DeviceNotice& notice, const DeviceLink& link) {
  return notice.isInterface && SamePathIgnoringCase(notice.path, link.DevicePath());
}

void OnDeviceChange(const DeviceNotice& notice, HidBus& bus, DeviceLink& link,
                    MainWindowHost& host) {
  switch (notice.event) {
    case DeviceNotice::Event::Arrival:
      if (IsOurDevice(notice, link) && !link.deviceFound) FindDevice(bus, link);
      break;
    case DeviceNotice::Event::Removal:
      if (IsOurDevice(notice, link)) {
        link.deviceFound = false;
        host.RemoveTrayIcon();
        host.DestroyMainWindow();
      }
      break;
    case DeviceNotice::Event::Other:
      break;
  }
}

std::intptr_t OnDeviceChangeMessage(std::uintptr_t event, std::intptr_t data, HidBus& bus,
                                    DeviceLink& link, MainWindowHost& host) {
  OnDeviceChange(bus.ReadNotice(event, data), bus, link, host);
  return 1;
}

}  // namespace varkel
