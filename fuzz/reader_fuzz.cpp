// Arbitrary input reports, of any length and content, through the reader's
// handling, in both driver states and both macro modes. The hand-over flags
// must stay consistent: a press handed over names a button event.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "device/ReaderThread.h"

using namespace varkel;

namespace {

class NoClock final : public Clock {
 public:
  std::int64_t NowUs() override { return 0; }
  void SleepMs(std::uint32_t) override {}
};
class CountingWakeup final : public Wakeup {
 public:
  void Raise() override { ++raised; }
  void Wait() override {}
  int raised = 0;
};
class NoThreads final : public Threads {
 public:
  void Start(std::function<void()>, ThreadPriority) override {}
  std::unique_ptr<Wakeup> MakeWakeup() override { return std::make_unique<CountingWakeup>(); }
  bool KeepRunning() override { return false; }
};
class CountingRepaint final : public RepaintRequests {
 public:
  void RepaintWholeWindow() override { ++repaints; }
  int repaints = 0;
};

}  // namespace

// Input: one byte of setup (bit 0: running, bit 1: macro mode, bit 2: a
// press pending), then reports, each a length byte and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  DeviceLink link;
  DriverStatus status;
  ProfileModel model;
  CountingRepaint repaint;
  NoClock clock;
  NoThreads threads;
  CountingWakeup wakeup;
  ReaderContext ctx{link, status, model, repaint, clock, threads, wakeup};
  status.driverRunning = (data[0] & 1) != 0;
  model.profile.macroMode = (data[0] >> 1) & 1;
  if (data[0] & 4) {
    status.pressedCode = 0xF3;
    status.buttonPressed = 1;
  }

  std::size_t at = 1;
  while (at < size) {
    const std::size_t length = data[at++];
    const std::size_t taken = length < size - at ? length : size - at;
    const bool wasRunning = status.driverRunning;
    const int repaintsBefore = repaint.repaints;
    HandleInputReport(std::span<const std::uint8_t>(data + at, taken), ctx);
    if (status.buttonPressed != 0 && status.pressedCode <= 0xF0) std::abort();
    if (wasRunning && !status.driverRunning) std::abort();  // only apply makes it wait
    if (wasRunning && repaint.repaints != repaintsBefore) std::abort();
    at += taken;
  }
  return 0;
}
