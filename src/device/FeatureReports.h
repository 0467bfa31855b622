#pragma once
// The mouse's configuration reports: report id 0x07, a command and two
// parameters, zero-padded to the length the output collection announces.
#include <array>
#include <cstdint>
#include <vector>

#include "config/MouseProfile.h"
#include "device/DeviceLink.h"

namespace varkel {

constexpr std::uint8_t kFeatureReportId = 0x07;

enum class FeatureCommand : std::uint8_t {
  ButtonFunction = 0x10,
  Wheel = 0x11,
  DpiAndLed = 0x09,
  DriverExit = 0x20,
};

// Physical number of button b (entry b - 1), in command 0x10 and in the
// input reports.
constexpr std::array<std::uint8_t, kButtonCount> PhysicalButtonOrder{1, 2, 3, 5, 4, 6};

// The report at `length` bytes; empty when the length cannot hold its four
// bytes of data (such a device is not sent to).
std::vector<std::uint8_t> FeatureReport(std::size_t length, FeatureCommand command, std::uint8_t first,
                                        std::uint8_t second);

// Sends one report on the link's output collection. Fails silently (false)
// when the collection is not open or the mouse refuses it.
bool SendFeatureReport(const DeviceLink& link, FeatureCommand command, std::uint8_t first,
                       std::uint8_t second);

// Byte 3 of command 0x09: DPI value + 8 in the high nibble, LED mode in the
// low one, in 8 bits.
constexpr std::uint8_t DpiAndLedByte(std::uint8_t dpiValue, std::uint8_t ledMode) {
  return static_cast<std::uint8_t>(((dpiValue + 8) * 16 + ledMode) & 0xFF);
}

// Command 0x09 for the current level with the applied DPI value of that level
// and the applied LED mode. The caller holds model.lock.
void SendDpiReport(const DeviceLink& link, const ProfileModel& model);

}  // namespace varkel
