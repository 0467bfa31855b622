#pragma once
// One paint's reading of everything it shows, taken at its start: the view
// state, the driver's status, the profile and the macro names. Painting then
// draws from this alone, holding no lock while it draws.
#include <array>
#include <string>

#include "config/MouseProfile.h"
#include "macros/MacroTable.h"
#include "views/ViewContext.h"

namespace varkel {

struct PaintInputs {
  Page page = Page::Main;
  int mainHover = kNoElement;
  int colourHover = kNoElement;
  int advancedHover = kNoElement;
  bool pressed = false;
  bool previewGray = false;
  std::int32_t previewColour = 0;

  bool driverRunning = true;
  std::int32_t runButton = 0;
  bool blinkPhase = false;

  MouseProfile profile;
  std::int32_t currentProfile = 0;
  std::array<std::int32_t, kDpiLevelCount> dpiKnob{};
  std::array<std::uint8_t, kDpiLevelCount> appliedDpiSet{};

  std::array<std::u16string, kMacroSlots> macroNames;
  std::uint8_t currentRepeatMode = 0;
  bool recording = false;
  std::int32_t listedPresses = 0;
  std::int32_t listedReleases = 0;
};

PaintInputs ReadPaintInputs(const ViewContext& ctx);

}  // namespace varkel
