#pragma once
// The HID operations the mouse link needs: walk the present HID interfaces,
// query one, open it for reading or writing, read one input report, send one
// feature report, and hear about interfaces arriving and leaving.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace varkel {

struct HidIds {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

// Top-level capabilities of one collection. Report lengths include the
// report id byte.
struct HidCaps {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::uint16_t inputReportLength = 0;
  std::uint16_t featureReportLength = 0;
};

// The interfaces present when the set was taken; released when destroyed.
class HidInterfaceSet {
 public:
  virtual ~HidInterfaceSet() = default;
  // The path of interface `index`; none when there is no such interface.
  virtual std::optional<std::u16string> PathAt(int index) = 0;
};

// An interface opened without access rights, only to ask about it. Closed
// when destroyed.
class HidQuery {
 public:
  virtual ~HidQuery() = default;
  virtual std::optional<HidIds> Ids() = 0;
  virtual std::optional<HidCaps> Caps() = 0;
};

class HidReader {
 public:
  virtual ~HidReader() = default;
  // Blocks until the device sends one input report. Fills at most
  // report.size() bytes; returns how many, or none when the read failed
  // (device gone, a collection that cannot be read, program ending).
  virtual std::optional<std::size_t> Read(std::span<std::uint8_t> report) = 0;
  // After a failed read: the device has been pulled out, and this handle
  // will never read again.
  virtual bool DeviceGone() = 0;
};

class HidWriter {
 public:
  virtual ~HidWriter() = default;
  // Sends one feature report, report id in byte 0, at exactly its length.
  virtual bool SendFeature(std::span<const std::uint8_t> report) = 0;
};

// A device-change notice as the main window receives it.
struct DeviceNotice {
  enum class Event { Arrival, Removal, Other };
  Event event = Event::Other;
  bool isInterface = false;  // a device-interface notice, carrying `path`
  std::u16string path;
};

// The device-change message and its two events that matter.
constexpr std::uint32_t kDeviceChangeMessage = 0x0219;
constexpr std::uintptr_t kDeviceArrival = 0x8000;
constexpr std::uintptr_t kDeviceRemoveComplete = 0x8004;

class HidBus {
 public:
  virtual ~HidBus() = default;
  virtual std::unique_ptr<HidInterfaceSet> PresentInterfaces() = 0;
  // Each returns null when the interface cannot be opened.
  virtual std::unique_ptr<HidQuery> OpenForQuery(const std::u16string& path) = 0;
  virtual std::unique_ptr<HidReader> OpenForReading(const std::u16string& path) = 0;
  virtual std::unique_ptr<HidWriter> OpenForWriting(const std::u16string& path) = 0;
  // From now on the main window hears of HID interfaces arriving and leaving
  // (as DeviceNotice, below).
  virtual void WatchArrivalsAndRemovals() = 0;
  // The notice carried by a device-change message's two arguments, as this
  // platform delivers them to the main window.
  virtual DeviceNotice ReadNotice(std::uintptr_t event, std::intptr_t data) = 0;
};

}  // namespace varkel
