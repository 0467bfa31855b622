// Recording a macro's keyboard steps: the record button and the recording
// part of the main window's pre-filter.
#include <algorithm>

#include "macros/KeyboardFilter.h"
#include "macros/MacroPage.h"

namespace varkel {
namespace {

constexpr std::uint16_t kLastStepDelayMs = 30;

}  // namespace

void MacroPage::ToggleRecording() {
  eventList_.List().Focus();
  if (macroList_->LineCount() == 0) return;
  if (state_.recording)
    StopRecording();
  else
    StartRecording();
  ctx_.repaint.RepaintWholeWindow();
}

void MacroPage::StartRecording() {
  state_.recording = true;
  state_.heldKeys.Clear();
  if (!ctx_.keyboard.Installed()) ctx_.keyboard.Install();

  MacroTable& table = ctx_.table;
  const int lastSlot = std::max(static_cast<int>(table.macroCount), 1) - 1;
  state_.recordMacro = std::clamp(macroList_->SelectedLine(), 0, lastSlot);
  state_.recordCount = 0;
  {
    std::lock_guard guard(table.lock);
    Macro& macro = table.macros[state_.recordMacro];
    macro = Macro{};
    SetName(macro, macroList_->LineText(state_.recordMacro));
    macro.repeatMode = 0;
    macro.repeatCount = 1;
  }
  table.currentMacro = state_.recordMacro;
  repeatBox_->SetText(u"1");
  repeatBox_->Enable(false);
  ClearEventList();
}

void MacroPage::StopRecording() {
  state_.recording = false;
  {
    std::lock_guard guard(ctx_.table.lock);
    ctx_.table.macros[state_.recordMacro].eventCount = static_cast<std::uint8_t>(state_.recordCount);
  }
  if (ctx_.keyboard.Installed()) ctx_.keyboard.Remove();
}

void MacroPage::RecordKeyMessage(const WindowMessage& message) {
  const KeyMessage key{message.id, message.wParam};
  // A held key's auto-repeat, or the same message twice.
  if (state_.lastKeyMessage == key) return;
  if (state_.recordCount >= kMaxRecordedSteps) {
    state_.lastKeyMessage = key;
    return;
  }
  MacroEvent step;
  if (!TakeStep(message, step)) return;

  const std::uint16_t gap = StepGapMs(state_.lastStepTime, ctx_.timeOfDay.MillisecondsOfDay());
  {
    std::lock_guard guard(ctx_.table.lock);
    Macro& macro = ctx_.table.macros[state_.recordMacro];
    if (state_.recordCount > 0) macro.events[state_.recordCount - 1].delayMs = gap;
    macro.events[state_.recordCount] = step;
  }
  AddEventLines(state_.recordMacro, state_.recordCount);
  ++state_.recordCount;
  state_.lastKeyMessage = key;
}

// The step a key message makes, if the limits let it: a press while fewer
// than 108 presses are listed and fewer than 9 keys are held (a tenth held
// key is refused, so its release is not recorded either), a release of a
// key pressed during this recording.
bool MacroPage::TakeStep(const WindowMessage& message, MacroEvent& step) {
  const auto keyCode = static_cast<std::uint8_t>(message.wParam & 0xFF);
  if (IsKeyDown(message.id)) {
    if (state_.listedPresses >= kMaxListedPresses || !state_.heldKeys.Add(keyCode)) return false;
    step = {keyCode, kPressAction, kLastStepDelayMs};
    return true;
  }
  if (!state_.heldKeys.Remove(keyCode)) return false;
  step = {keyCode, kReleaseAction, kLastStepDelayMs};
  return true;
}

}  // namespace varkel
