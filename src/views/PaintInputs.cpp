#include "views/PaintInputs.h"

#include <mutex>

#include "views/MacroPageOperations.h"

namespace varkel {
namespace {

void ReadMacros(const ViewContext& ctx, PaintInputs& in) {
  const MacroTable& table = ctx.macros;
  std::lock_guard lock(table.lock);
  for (std::size_t slot = 0; slot < in.macroNames.size(); ++slot) in.macroNames[slot] = NameOf(table.macros[slot]);
  if (table.currentMacro >= 0 && table.currentMacro < kMacroSlots)
    in.currentRepeatMode = table.macros[static_cast<std::size_t>(table.currentMacro)].repeatMode;
}

}  // namespace

PaintInputs ReadPaintInputs(const ViewContext& ctx) {
  PaintInputs in;
  const ViewState& v = ctx.view;
  in.page = v.page.load();
  in.mainHover = v.mainHover;
  in.colourHover = v.colourHover;
  in.advancedHover = v.advancedHover;
  in.pressed = v.pressed;
  in.previewGray = v.previewGray.load();
  in.previewColour = v.previewColour.load();

  const DriverStatus& s = ctx.status;
  in.driverRunning = s.driverRunning.load();
  in.runButton = s.runButton.load();
  in.blinkPhase = s.blinkPhase.load();
  {
    std::lock_guard lock(ctx.model.lock);
    in.profile = ctx.model.profile;
    in.currentProfile = ctx.model.currentProfile;
    in.dpiKnob = ctx.model.dpiKnob;
    in.appliedDpiSet = ctx.model.appliedDpiSet;
  }
  ReadMacros(ctx, in);
  in.recording = IsRecording(ctx);
  const ListedEventCounts counts = ListedEvents(ctx);
  in.listedPresses = counts.presses;
  in.listedReleases = counts.releases;
  return in;
}

}  // namespace varkel
