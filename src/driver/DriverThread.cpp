#include "driver/DriverThread.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "config/ProfileStore.h"
#include "driver/ButtonFunctions.h"
#include "driver/DpiStepping.h"
#include "driver/MacroPlayback.h"

namespace varkel {

namespace {

constexpr std::array<int, kButtonCount> kPhysicalNumberOfButton = {1, 2, 3, 5, 4, 6};
constexpr std::uint8_t kPressBase = 0xF0;
constexpr ButtonFunction kFirstMacroCode = 41;
constexpr ButtonFunction kMuteCode = 26;
constexpr ButtonFunction kNextProfileCode = 40;
constexpr std::uint8_t kVolumeMute = 0xAD;
constexpr std::int32_t kProfileCount = 5;

struct Shortcut {
  ButtonFunction code;
  std::uint8_t modifier;
  std::uint8_t key;
  std::uint32_t pauseMs;  // between the key's press and release
};
constexpr Shortcut kShortcuts[] = {
    {31, 0x11, 0x43, 20},  // Ctrl+C
    {32, 0x11, 0x56, 20},  // Ctrl+V
    {33, 0x11, 0x41, 20},  // Ctrl+A
    {34, 0x11, 0x5A, 20},  // Ctrl+Z
    {35, 0x12, 0x73, 0},   // Alt+F4
};

enum class ShellAction { OpenComputerFolder, LockWorkstation, StartProgram };
struct ShellFunction {
  ButtonFunction code;
  ShellAction action;
  const char* commandLine;
};
constexpr ShellFunction kShellFunctions[] = {
    {36, ShellAction::OpenComputerFolder, nullptr},
    {37, ShellAction::LockWorkstation, nullptr},
    {38, ShellAction::StartProgram, "calc.exe"},
    {39, ShellAction::StartProgram, "cmd.exe"},
};

void SendShortcut(DriverContext& ctx, const Shortcut& s) {
  const auto scan = static_cast<std::uint8_t>(ctx.input.ScanCodeOf(s.key) & 0xFF);
  ctx.input.SendKey({s.modifier, 0, false, false});
  ctx.input.SendKey({s.key, scan, false, false});
  if (s.pauseMs) ctx.clock.SleepMs(s.pauseMs);
  ctx.input.SendKey({s.key, scan, false, true});
  ctx.input.SendKey({s.modifier, 0, false, true});
}

void RunShellFunction(DriverContext& ctx, const ShellFunction& f) {
  switch (f.action) {
    case ShellAction::OpenComputerFolder: ctx.input.OpenComputerFolder(); break;
    case ShellAction::LockWorkstation: ctx.input.LockWorkstation(); break;
    case ShellAction::StartProgram: ctx.input.StartProgram(f.commandLine); break;
  }
}

// The key is let go at once: a mute key left down stays down for Windows.
void PressMuteKey(DriverContext& ctx) {
  ctx.input.SendKey({kVolumeMute, 0, false, false});
  ctx.input.SendKey({kVolumeMute, 0, false, true});
}

// Profiles 1..5 in turn; a number out of that range goes on to profile 1.
void SwitchToNextProfile(DriverContext& ctx) {
  std::unique_lock held(ctx.model.lock);
  const std::int32_t current = ctx.model.currentProfile;
  ctx.model.currentProfile = current >= 1 && current < kProfileCount ? current + 1 : 1;
  LoadProfile(ctx.ini, ctx.paths.configPath, ctx.model.currentProfile, false, ctx.model);
  if (ctx.applyProfile) ctx.applyProfile(held);
  if (held.owns_lock()) held.unlock();
  ctx.repaint.RepaintWholeWindow();
}

void PerformButton(DriverContext& ctx, int buttonIndex) {
  std::int32_t dpiStep;
  ButtonFunction code;
  {
    std::lock_guard lock(ctx.model.lock);
    dpiStep = ctx.model.dpiStepOfButton[buttonIndex];
    code = ctx.model.profile.buttons[buttonIndex];
  }
  // The DPI step fixed by the last apply wins over the code edited since.
  if (dpiStep != 0) {
    StepDpiLevel(ctx, static_cast<DpiStep>(dpiStep));
    return;
  }
  if (code >= kFirstMacroCode) {
    std::int16_t macroCount;
    {
      std::lock_guard lock(ctx.macros.lock);
      macroCount = ctx.macros.macroCount;
    }
    if (code - kFirstMacroCode < macroCount) {
      PlayMacro(ctx, code - kFirstMacroCode);
      return;
    }
  }
  PerformSingleAction(ctx, code);
}

}  // namespace

bool PerformSingleAction(DriverContext& ctx, ButtonFunction code) {
  if (code == kMuteCode) {
    PressMuteKey(ctx);
    return true;
  }
  if (code == kNextProfileCode) {
    SwitchToNextProfile(ctx);
    return true;
  }
  for (const Shortcut& s : kShortcuts) {
    if (s.code == code) {
      SendShortcut(ctx, s);
      return true;
    }
  }
  for (const ShellFunction& f : kShellFunctions) {
    if (f.code == code) {
      RunShellFunction(ctx, f);
      return true;
    }
  }
  return false;
}

void PerformPress(DriverContext& ctx, std::uint8_t pressedCode) {
  for (int b = 0; b < kButtonCount; ++b) {
    if (pressedCode == kPressBase + kPhysicalNumberOfButton[b]) {
      PerformButton(ctx, b);
      return;
    }
  }
}

void DriverThread(DriverContext& ctx) {
  while (ctx.threads.KeepRunning()) {
    if (ctx.status.buttonPressed.load(std::memory_order_acquire) != 0) {
      PerformPress(ctx, ctx.status.pressedCode.load(std::memory_order_relaxed));
      // Only a press that was taken is cleared: one handed over meanwhile is
      // not lost.
      ctx.status.buttonPressed.store(0, std::memory_order_release);
    }
    // A stop meant for the function just ended, or one sent while idle.
    ctx.status.stopRequested.store(0, std::memory_order_release);
    ctx.wakeup.Wait();
  }
}

}  // namespace varkel
