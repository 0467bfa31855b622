#pragma once
// A simulated HID bus with the mouse on it: any list of interfaces (other
// devices, the mouse's collections at chosen indices, one left out), a mouse
// that keeps what the feature reports set, six buttons that report presses
// and releases of software-function buttons, blocking reads on the world's
// clock, plugging and unplugging with notices. Every feature report it
// receives is kept, and shown to an observer, with the world's time.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Hid.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

struct SimInterface {
  std::u16string path;
  HidIds ids;
  HidCaps caps;
};

class SimMouse final : public HidBus {
 public:
  // Interface i of the bus is entry i; an empty entry is an index with no
  // interface.
  using Interfaces = std::vector<std::optional<SimInterface>>;

  // A collection of the mouse itself.
  static SimInterface MouseCollection(std::u16string path, std::uint16_t usagePage,
                                      std::uint16_t usage, std::uint16_t inputLength,
                                      std::uint16_t featureLength);
  static SimInterface OtherDevice(std::u16string path, std::uint16_t vendorId,
                                  std::uint16_t productId);
  // The mouse as it enumerates: its pointer and keyboard collections, then
  // the vendor input collection (index 2) and the vendor output collection
  // (index 3), reports of 8 bytes.
  static Interfaces StandardInterfaces();
  static constexpr std::uint16_t kStandardReportLength = 8;

  struct State {
    std::array<std::uint8_t, 7> functionOf{0, 1, 2, 3, 4, 5, 6};  // by physical number 1..6
    std::uint8_t wheel = 0;
    std::uint8_t dpiLevel = 0;
    int dpiValue = 0;
    std::uint8_t ledMode = 0;
    bool exitReceived = false;
    bool operator==(const State&) const = default;
  };

  struct FeatureReport {
    std::vector<std::uint8_t> bytes;  // at the full length sent
    std::int64_t timeUs = 0;
  };

  // Handles opened and closed, by kind.
  struct HandleCounts {
    int queriesOpened = 0, queriesClosed = 0;
    int readersOpened = 0, readersClosed = 0;
    int writersOpened = 0, writersClosed = 0;
    int reads = 0;  // reads begun, on any reader
  };

  enum class NoticeCase { AsListed, Upper, Lower };

  SimMouse(SimWorld& world, Interfaces interfaces = StandardInterfaces());
  ~SimMouse() override;

  // HidBus
  std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
  std::unique_ptr<HidQuery> OpenForQuery(const std::u16string& path) override;
  std::unique_ptr<HidReader> OpenForReading(const std::u16string& path) override;
  std::unique_ptr<HidWriter> OpenForWriting(const std::u16string& path) override;
  void WatchArrivalsAndRemovals() override;
  // The simulated platform's device-change message carries its notice by
  // address (see NoticeMessage).
  DeviceNotice ReadNotice(std::uintptr_t event, std::intptr_t data) override;
  // The arguments of a device-change message for `notice`, which must
  // outlive the message's handling.
  static std::pair<std::uintptr_t, std::intptr_t> NoticeMessage(const DeviceNotice& notice);

  // The mouse's buttons, by physical number 1..6. A button set to the
  // software function sends 06 F0+n on press and 06 00 on release; others
  // act by themselves and send nothing. Returns whether a report went out.
  bool Press(int physical);
  bool Release(int physical);
  // Any bytes, as one input report on the vendor input collection (cut or
  // zero-padded to its report length).
  void InjectInputReport(std::vector<std::uint8_t> report);
  // Input reports sent and not yet read, over every open reader.
  std::size_t PendingInputReports() const;

  // Pulling the mouse out ends its open handles and hides its interfaces;
  // both send a notice per interface of the mouse once watched.
  void Unplug(NoticeCase spelling = NoticeCase::AsListed);
  void Plug(NoticeCase spelling = NoticeCase::AsListed);
  // Opens of this path for reading or writing fail.
  void FailOpensOf(std::u16string path);
  // Reads of this collection fail at once, the mouse staying plugged in (a
  // collection the system will not let the program read).
  void FailReadsOf(std::u16string path);

  void SetNoticeObserver(std::function<void(const DeviceNotice&)> observer);
  void SetFeatureObserver(
      std::function<void(const std::vector<std::uint8_t>& bytes, std::int64_t timeUs)> observer);

  State GetState() const;
  std::vector<FeatureReport> FeatureReports() const;
  void ClearFeatureReports();
  HandleCounts Counts() const;
  std::vector<int> IndicesAsked() const;  // every PathAt, in order
  int Registrations() const;              // WatchArrivalsAndRemovals calls

  struct Impl;

 private:
  void SendNotices(DeviceNotice::Event event, NoticeCase spelling);
  std::shared_ptr<Impl> impl_;
};

}  // namespace varkel::sim
