#pragma once
// The reader thread: takes the mouse's input reports and turns them into the
// driver's hand-over flags, and carries the driver's starting click.
#include <cstdint>
#include <span>

#include "config/MouseProfile.h"
#include "device/DeviceLink.h"
#include "device/DriverStatus.h"
#include "platform/Clock.h"
#include "platform/Repaint.h"
#include "platform/Threads.h"

namespace varkel {

constexpr std::uint8_t kInputReportId = 0x06;
constexpr std::uint8_t kPressBase = 0xF0;  // a press is 0xF0 + physical number
constexpr std::uint8_t kRelease = 0x00;
constexpr std::uint32_t kReaderPauseMs = 2;
// While nothing can be read (no mouse yet, a collection that cannot be read,
// reads failing) the pauses double from kReaderPauseMs up to this.
constexpr std::uint32_t kReaderLongestIdleMs = 250;

struct ReaderContext {
  DeviceLink& link;
  DriverStatus& status;
  const ProfileModel& model;  // macroMode, read under model.lock
  RepaintRequests& repaint;
  Clock& clock;
  Threads& threads;
  Wakeup& driverWakeup;  // raised after a press is handed over or a stop asked
};

// One input report as read (its bytes, as many as the read gave).
void HandleInputReport(std::span<const std::uint8_t> report, ReaderContext& ctx);

// Runs while ctx.threads.KeepRunning(): read one report when the input
// collection is open, handle it, pause 2 ms. Without a report to read it
// idles in growing pauses; once the mouse has been pulled out it ends.
void ReaderThread(ReaderContext& ctx);

}  // namespace varkel
