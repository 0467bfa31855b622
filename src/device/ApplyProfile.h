#pragma once
// Storing the working profile and writing it to the mouse and to Windows'
// pointer speed; and telling the mouse that the driver ends.
#include <mutex>

#include "device/DeviceContext.h"

namespace varkel {

constexpr std::int32_t kLastAppliedProfile = 6;
constexpr std::int32_t kColourPickerCode = 19;  // the mouse cannot do it
constexpr std::int32_t kColourPickerReplacement = 12;
constexpr int kDefaultPointerSpeed = 10;

// Takes model.lock itself.
void ApplyProfile(DeviceContext& ctx);

// For a caller that already holds model.lock (profile cycling loads and
// applies under one hold). The lock is let go while the colour-picker
// message is shown, and for good once the model's part is done: the repaint
// request and the pointer speed, which on Windows reach other windows, come
// after it. Returns with `held` released.
void ApplyProfile(DeviceContext& ctx, std::unique_lock<WatchedMutex>& held);

// The driver-exit report if the output collection is open, then the pointer
// speed back to the system's default if the system answers for it.
void SendExitReport(const DeviceLink& link, PointerSpeed& pointerSpeed);

}  // namespace varkel
