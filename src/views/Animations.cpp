#include "views/Animations.h"

#include <mutex>

#include "config/ProfileValues.h"

namespace varkel {
namespace {

constexpr std::uint8_t kLedFastBlink = 1;
constexpr std::uint8_t kLedSteady = 2;
constexpr std::uint8_t kLedOff = 3;
constexpr std::int32_t kPreviewColours = 4;

bool OnPage(const AnimationContext& ctx, Page page) {
  return ctx.view.page.load() == page && ctx.threads.KeepRunning();
}

struct LedInputs {
  int level;
  std::uint8_t mode;
};

LedInputs ReadLed(const AnimationContext& ctx) {
  std::lock_guard lock(ctx.model.lock);
  return {DpiLevelIndex(ctx.model.profile), ctx.model.appliedLedStatus};
}

// One phase of the preview; returns how long it lasts.
std::uint32_t PreviewStep(AnimationContext& ctx, int& last) {
  ViewState& v = ctx.view;
  const LedInputs led = ReadLed(ctx);
  if (led.mode == kLedOff) {
    v.previewGray = true;
    v.previewColour = led.level;
  } else if (led.mode == kLedSteady) {
    v.previewGray = false;
    v.previewColour = led.level;
  } else if (led.level != last) {
    // A new level shows its colour steadily for a while first.
    v.previewColour = led.level;
    v.previewGray = false;
    last = led.level;
    ctx.repaint.RepaintWholeWindow();
    ctx.clock.SleepMs(kPreviewLevelChangeMs);
  } else if (v.previewGray) {
    v.previewGray = false;
  } else {
    v.previewGray = true;
    v.previewColour = (v.previewColour.load() + 1) % kPreviewColours;
  }
  return led.mode == kLedFastBlink ? kPreviewFastPhaseMs : kPreviewPhaseMs;
}

}  // namespace

void RunBlinker(AnimationContext& ctx) {
  DriverStatus& s = ctx.status;
  // Six toggles bring the phase back; the exit conditions are seen between batches.
  while (OnPage(ctx, Page::Main) && !s.driverRunning) {
    for (int i = 0; i < kBlinksPerCheck && ctx.threads.KeepRunning(); ++i) {
      s.blinkPhase = !s.blinkPhase.load();
      ctx.repaint.RepaintWholeWindow();
      ctx.clock.SleepMs(kBlinkStepMs);
    }
  }
  s.blinkPhase = true;
  s.blinkerAlive = false;
}

void RunLedPreview(AnimationContext& ctx) {
  int last = ReadLed(ctx).level;
  ctx.view.previewColour = last;
  while (OnPage(ctx, Page::Colour)) {
    const std::uint32_t phaseMs = PreviewStep(ctx, last);
    if (!ctx.threads.KeepRunning()) break;
    ctx.repaint.RepaintWholeWindow();
    ctx.clock.SleepMs(phaseMs);
  }
  ctx.view.previewAlive = false;
}

void AnimationThreads::Start() {
  ctx_.threads.StartNamed("blinker", [ctx = ctx_]() mutable { RunBlinker(ctx); }, ThreadPriority::Normal);
}

void AnimationThreads::StartBlinkerUnlessAlive() {
  if (!ctx_.status.blinkerAlive.exchange(true)) Start();
}

void AnimationThreads::StartPreviewUnlessAlive() {
  if (ctx_.view.previewAlive.exchange(true)) return;
  ctx_.threads.StartNamed("preview", [ctx = ctx_]() mutable { RunLedPreview(ctx); }, ThreadPriority::Normal);
}

}  // namespace varkel
