#pragma once
// Flags shared by the reader thread, the driver thread, ApplyProfile and the
// views. pressedCode is published before buttonPressed (release/acquire).
#include <atomic>
#include <cstdint>

namespace varkel {

struct DriverStatus {
  std::atomic<std::int32_t> buttonPressed{0};
  std::atomic<std::uint8_t> pressedCode{0};
  std::atomic<std::int32_t> stopRequested{0};
  std::atomic<bool> driverRunning{true};
  std::atomic<std::int32_t> runButton{0};
  std::atomic<bool> blinkPhase{false};
  std::atomic<bool> applyStartedBlinker{false};
  std::atomic<bool> blinkerAlive{false};
};

}  // namespace varkel
