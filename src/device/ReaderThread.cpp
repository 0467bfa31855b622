#include "device/ReaderThread.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "config/ProfileValues.h"

namespace varkel {

namespace {

constexpr std::size_t kEventByte = 1;

bool PlaysWhileHeld(const ProfileModel& model) {
  std::lock_guard hold(model.lock);
  return MacroPlaysWhileHeld(model.profile.macroMode);
}

void RequestStop(ReaderContext& ctx) {
  ctx.status.stopRequested = 1;
  ctx.driverWakeup.Raise();
}

void HandleWhileRunning(std::uint8_t event, ReaderContext& ctx) {
  auto& s = ctx.status;
  if (event > kPressBase) {
    if (s.buttonPressed.load(std::memory_order_acquire) == 0) {
      s.pressedCode.store(event, std::memory_order_relaxed);
      s.buttonPressed.store(1, std::memory_order_release);
      ctx.driverWakeup.Raise();
    } else if (!PlaysWhileHeld(ctx.model)) {
      RequestStop(ctx);  // a new press stops what runs; while held it is lost
    }
  } else if (event == kRelease && PlaysWhileHeld(ctx.model)) {
    RequestStop(ctx);  // the held macro ends with its button
  }
}

// Any release starts the driver; presses while waiting are not acted on.
void HandleWhileWaiting(std::span<const std::uint8_t> report, ReaderContext& ctx) {
  if (report[0] != kInputReportId || report[kEventByte] != kRelease) return;
  auto& s = ctx.status;
  s.driverRunning = true;
  s.applyStartedBlinker = false;
  s.blinkPhase = false;
  ctx.repaint.RepaintWholeWindow();
}

// The report buffer of an input collection; none when its reports are too
// short to carry a button event (such a collection is treated as not open).
std::optional<std::size_t> UsableLength(const InputEnd& input) {
  if (!input.handle || input.caps.inputReportLength <= kEventByte) return std::nullopt;
  return input.caps.inputReportLength;
}

enum class ReadOutcome { Report, Nothing, DeviceGone };

ReadOutcome ReadOne(const InputEnd& input, std::vector<std::uint8_t>& buffer, ReaderContext& ctx) {
  const auto length = UsableLength(input);
  if (!length) return ReadOutcome::Nothing;
  buffer.assign(*length, 0);
  const auto got = input.handle->Read(buffer);
  if (!got) return input.handle->DeviceGone() ? ReadOutcome::DeviceGone : ReadOutcome::Nothing;
  HandleInputReport(std::span(buffer).first(std::min(*got, buffer.size())), ctx);
  return ReadOutcome::Report;
}

}  // namespace

void HandleInputReport(std::span<const std::uint8_t> report, ReaderContext& ctx) {
  if (report.size() <= kEventByte) return;
  if (ctx.status.driverRunning) {
    HandleWhileRunning(report[kEventByte], ctx);
  } else {
    HandleWhileWaiting(report, ctx);
  }
}

void ReaderThread(ReaderContext& ctx) {
  std::vector<std::uint8_t> buffer;
  std::uint32_t idlePauseMs = kReaderPauseMs;
  while (ctx.threads.KeepRunning()) {
    const InputEnd input = ctx.link.Input();
    switch (ReadOne(input, buffer, ctx)) {
      case ReadOutcome::Report:
        idlePauseMs = kReaderPauseMs;
        ctx.clock.SleepMs(kReaderPauseMs);
        break;
      case ReadOutcome::Nothing:
        // No mouse yet, or reads that fail at once: a precise 2 ms retry
        // would keep a core and the system's fine timer busy for nothing.
        ctx.clock.PauseMs(idlePauseMs);
        idlePauseMs = std::min(idlePauseMs * 2, kReaderLongestIdleMs);
        break;
      case ReadOutcome::DeviceGone:
        // The removal notice ends the program; a newer handle from another
        // search would still be read.
        if (ctx.link.Input().handle == input.handle) return;
        break;
    }
  }
}

}  // namespace varkel
