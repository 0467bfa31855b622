#pragma once
// The one working profile and the values kept beside it.
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>

#include "platform/WatchedMutex.h"

namespace varkel {

using ButtonFunction = std::int32_t;

constexpr int kButtonCount = 6;
constexpr int kDpiLevelCount = 4;

struct MouseProfile {
  std::array<ButtonFunction, kButtonCount> buttons{};  // button b is entry b - 1
  std::int32_t dpiLevel = 0;
  std::int32_t wheelStatus = 0;
  std::int32_t macroMode = 0;
  std::array<std::uint8_t, kDpiLevelCount> dpiSet{};
  std::array<std::uint8_t, kDpiLevelCount> dpiSetEnabled{};
  std::uint8_t ledStatus = 0;
  std::uint8_t dpiSpeed = 0;

  bool operator==(const MouseProfile&) const = default;
};

// The working profile with what lives beside it. Load, save, apply and DPI
// stepping run on the interface thread and on the driver thread; `lock`
// serialises them. The interface thread waits for `lock`, so whoever holds
// it calls nothing that waits for the interface thread (WatchedMutex).
struct ProfileModel {
  MouseProfile profile;
  std::int32_t currentProfile = 0;
  std::array<std::uint8_t, kDpiLevelCount> appliedDpiSet{};
  std::uint8_t appliedLedStatus = 0;
  std::uint8_t appliedPointerSpeed = 0;
  std::array<std::int32_t, kButtonCount> dpiStepOfButton{};
  std::array<std::int32_t, kDpiLevelCount> dpiKnob{};
  mutable WatchedMutex lock;

  // An apply sets the Windows pointer speed after letting go of `lock`. The
  // speed the latest apply asked for waits here (under `lock`) until it is
  // set; `pointerSpeedOrder` lets one apply at a time take and set it, so
  // two applies at once leave the later one's speed.
  std::optional<int> pointerSpeedToSet;
  std::mutex pointerSpeedOrder;
};

}  // namespace varkel
