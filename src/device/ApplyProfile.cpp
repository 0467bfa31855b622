#include "device/ApplyProfile.h"

#include <optional>
#include <utility>

#include "config/ProfileStore.h"
#include "config/ProfileValues.h"
#include "device/FeatureReports.h"
#include "driver/ButtonFunctions.h"

namespace varkel {

namespace {

constexpr std::u16string_view kColourPickerMessage = u"取色键无效,请设置为其他键";

// The message is modal; other threads may need the model meanwhile (the
// interface thread paints from it), so the lock is not held across it.
void ReplaceColourPicker(DeviceContext& ctx, std::unique_lock<WatchedMutex>& held, int index) {
  held.unlock();
  ctx.dialogs.ShowMessage(kColourPickerMessage);
  held.lock();
  auto& code = ctx.model.profile.buttons[index];
  if (code == kColourPickerCode) code = kColourPickerReplacement;
}

// The first software-function button makes the driver wait for the user's
// starting click on it.
void WaitForStartingClick(DeviceContext& ctx, int button) {
  auto& s = ctx.status;
  s.driverRunning = false;
  s.blinkPhase = true;
  s.runButton = button;
  if (!s.applyStartedBlinker) {
    s.applyStartedBlinker = true;
    s.blinkerAlive = true;
    ctx.blinker.Start();
  }
}

void SendButtons(DeviceContext& ctx, std::unique_lock<WatchedMutex>& held) {
  auto& model = ctx.model;
  bool waiting = false;
  for (int index = 0; index < kButtonCount; ++index) {
    if (model.profile.buttons[index] == kColourPickerCode) ReplaceColourPicker(ctx, held, index);
    const FunctionInfo info = DescribeFunction(model.profile.buttons[index]);
    model.dpiStepOfButton[index] = static_cast<std::int32_t>(info.dpiStep);
    if (!info.hardwareNumber) continue;
    SendFeatureReport(ctx.link, FeatureCommand::ButtonFunction, PhysicalButtonOrder[index], *info.hardwareNumber);
    // Decided by this apply alone: a starting click that the reader takes in
    // the meantime must not move the prompt to a later button.
    if (*info.hardwareNumber == kSoftwareFunction && !waiting) {
      waiting = true;
      WaitForStartingClick(ctx, index + 1);
    }
  }
}

// Without the profile lock: Windows tells every top-level window of the new
// speed, and the interface thread may be waiting for the lock. One apply at
// a time sets the speed the latest apply asked for; an apply that finds it
// taken already has been overtaken by a later one, which set its own.
void SetPointerSpeed(DeviceContext& ctx) {
  std::lock_guard order(ctx.model.pointerSpeedOrder);
  std::optional<int> speed;
  {
    std::lock_guard g(ctx.model.lock);
    speed = std::exchange(ctx.model.pointerSpeedToSet, std::nullopt);
  }
  if (!speed || !ctx.pointerSpeed.Get()) return;
  ctx.pointerSpeed.Set(*speed);
  std::lock_guard g(ctx.model.lock);
  ctx.model.appliedPointerSpeed = static_cast<std::uint8_t>(*speed);
}

}  // namespace

void ApplyProfile(DeviceContext& ctx) {
  std::unique_lock held(ctx.model.lock);
  ApplyProfile(ctx, held);
}

void ApplyProfile(DeviceContext& ctx, std::unique_lock<WatchedMutex>& held) {
  auto& model = ctx.model;
  ctx.status.driverRunning = true;
  SaveCurrentProfileNumber(ctx.ini, ctx.paths, model);
  SaveProfile(ctx.ini, ctx.paths.configPath, kLastAppliedProfile, model);
  SendButtons(ctx, held);
  SendFeatureReport(ctx.link, FeatureCommand::Wheel, static_cast<std::uint8_t>(model.profile.wheelStatus), 0);
  model.appliedDpiSet = model.profile.dpiSet;
  model.appliedLedStatus = model.profile.ledStatus;
  SendDpiReport(ctx.link, model);
  if (const auto speed = PointerSpeedFor(model.profile.dpiSpeed)) model.pointerSpeedToSet = *speed;
  SaveProfile(ctx.ini, ctx.paths.configPath, model.currentProfile, model);
  held.unlock();
  ctx.repaint.RepaintWholeWindow();
  SetPointerSpeed(ctx);
}

void SendExitReport(const DeviceLink& link, PointerSpeed& pointerSpeed) {
  SendFeatureReport(link, FeatureCommand::DriverExit, 0, 0);
  if (pointerSpeed.Get()) pointerSpeed.Set(kDefaultPointerSpeed);
}

}  // namespace varkel
