#include "driver/MacroPlayback.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "config/ProfileValues.h"

namespace varkel {

namespace {

constexpr std::uint8_t kExtendedKeys[] = {
    0x5B, 0xA5, 0xA3, 0xA1, 0x5D,  // left Windows, right Alt, right Ctrl, right Shift, menu
    0x25, 0x27, 0x26, 0x28,        // arrows
    0x2C, 0x2D, 0x24, 0x21, 0x22, 0x23, 0x2E,  // Print Screen, Insert, Home, Page Up/Down, End, Delete
    0x90, 0x6F,                    // Num Lock, keypad divide
};

struct FixedScanCode {
  std::uint8_t virtualKey;
  std::uint8_t scanCode;
};
constexpr FixedScanCode kFixedScanCodes[] = {{0x2C, 0x37}, {0x13, 0x45}, {0x5B, 0x5B}};

constexpr std::uint8_t kFirstMousePseudoKey = 0xF0;
constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;

MouseButton MouseButtonOf(std::uint8_t keyCode) {
  if (keyCode == 0xF0) return MouseButton::Left;
  if (keyCode == 0xF1) return MouseButton::Right;
  return MouseButton::Middle;
}

// What the macro holds down, in the order it pressed it, so that a playback
// stopped early can let go of it.
class HeldInput {
 public:
  void Note(std::uint8_t keyCode, bool down) {
    const Held h = keyCode >= kFirstMousePseudoKey ? Held{true, static_cast<std::uint8_t>(MouseButtonOf(keyCode))}
                                                   : Held{false, keyCode};
    auto it = std::find(held_.begin(), held_.end(), h);
    if (down && it == held_.end()) held_.push_back(h);
    if (!down && it != held_.end()) held_.erase(it);
  }
  void ReleaseAll(DesktopInput& input) {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      if (it->mouse) {
        input.SendMouseButton(static_cast<MouseButton>(it->code), false);
      } else {
        input.SendKey(MacroKeyEvent(input, it->code, true));
      }
    }
    held_.clear();
  }

 private:
  struct Held {
    bool mouse;
    std::uint8_t code;  // virtual key, or the MouseButton
    bool operator==(const Held&) const = default;
  };
  std::vector<Held> held_;
};

void SendStep(DesktopInput& input, const MacroEvent& e, HeldInput& held) {
  if (e.action != kPress && e.action != kRelease) return;
  const bool down = e.action == kPress;
  if (e.keyCode >= kFirstMousePseudoKey) {
    input.SendMouseButton(MouseButtonOf(e.keyCode), down);
  } else {
    input.SendKey(MacroKeyEvent(input, e.keyCode, !down));
  }
  held.Note(e.keyCode, down);
}

std::uint32_t PassesOf(std::int32_t macroMode, const Macro& m) {
  if (MacroPlaysWhileHeld(macroMode)) return kHeldButtonPasses;
  return m.repeatMode == 0 ? 1 : m.repeatCount;
}

// Step i of the slot as it is now; none once the macro has fewer steps.
std::optional<MacroEvent> ReadStep(const MacroTable& macros, int slot, int i) {
  std::lock_guard lock(macros.lock);
  const Macro& m = macros.macros[slot];
  if (i >= m.eventCount) return std::nullopt;
  return m.events[i];
}

// A stop from the reader, or the simulated platform shutting down.
bool StopRequested(DriverContext& ctx) {
  return ctx.status.stopRequested.load(std::memory_order_acquire) != 0 || !ctx.threads.KeepRunning();
}

}  // namespace

KeyEvent MacroKeyEvent(DesktopInput& input, std::uint8_t virtualKey, bool keyUp) {
  KeyEvent key;
  key.virtualKey = virtualKey;
  key.keyUp = keyUp;
  key.extended = std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), virtualKey) !=
                 std::end(kExtendedKeys);
  const auto fixed = std::find_if(std::begin(kFixedScanCodes), std::end(kFixedScanCodes),
                                  [&](const FixedScanCode& f) { return f.virtualKey == virtualKey; });
  key.scanCode = fixed != std::end(kFixedScanCodes)
                     ? fixed->scanCode
                     : static_cast<std::uint8_t>(input.ScanCodeOf(virtualKey) & 0xFF);
  return key;
}

void PlayMacro(DriverContext& ctx, int slot) {
  if (slot < 0 || slot >= kMacroSlots) return;
  std::int32_t macroMode;
  {
    std::lock_guard lock(ctx.model.lock);
    macroMode = ctx.model.profile.macroMode;
  }
  std::uint32_t passes;
  {
    std::lock_guard lock(ctx.macros.lock);
    passes = PassesOf(macroMode, ctx.macros.macros[slot]);
  }

  HeldInput held;
  bool stopped = false;
  for (std::uint32_t pass = 0; pass < passes && !stopped; ++pass) {
    for (int i = 0; !stopped; ++i) {
      const std::optional<MacroEvent> step = ReadStep(ctx.macros, slot, i);
      if (!step) break;
      SendStep(ctx.input, *step, held);
      ctx.clock.SleepMs(step->delayMs);
      stopped = StopRequested(ctx);
    }
    stopped = stopped || StopRequested(ctx);
  }
  if (stopped) held.ReleaseAll(ctx.input);
}

}  // namespace varkel
