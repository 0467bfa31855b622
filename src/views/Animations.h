#pragma once
// The two animation threads of the main window: the run-button blinker (main
// page, while the driver waits for its starting click) and the LED preview
// (colour page). They change a few shared flags, ask for repaints and end by
// themselves once their page is left; they never draw.
#include "config/MouseProfile.h"
#include "device/DeviceHost.h"
#include "device/DriverStatus.h"
#include "platform/Clock.h"
#include "platform/Repaint.h"
#include "platform/Threads.h"
#include "views/ViewState.h"

namespace varkel {

struct AnimationContext {
  ViewState& view;
  DriverStatus& status;
  ProfileModel& model;
  Clock& clock;
  Threads& threads;
  RepaintRequests& repaint;
};

inline constexpr std::uint32_t kBlinkStepMs = 500;
inline constexpr int kBlinksPerCheck = 6;
inline constexpr std::uint32_t kPreviewLevelChangeMs = 2000;
inline constexpr std::uint32_t kPreviewFastPhaseMs = 800;
inline constexpr std::uint32_t kPreviewPhaseMs = 1200;

// The thread bodies. Each clears its alive flag as its last step.
void RunBlinker(AnimationContext& ctx);
void RunLedPreview(AnimationContext& ctx);

class AnimationThreads final : public RunButtonBlinker {
 public:
  explicit AnimationThreads(AnimationContext ctx) : ctx_(ctx) {}

  // A blinker thread; the caller has set blinkerAlive.
  void Start() override;
  // The page switches' starts: a thread only when none of its kind runs (a
  // thread still in its sleep carries on when its page is shown again).
  void StartBlinkerUnlessAlive();
  void StartPreviewUnlessAlive();

 private:
  AnimationContext ctx_;
};

}  // namespace varkel
