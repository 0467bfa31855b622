// The event list's lines and the two counters beside it.
#include "macros/MacroPage.h"

#include "macros/EventTexts.h"

#include "config/DecimalText.h"

namespace varkel {

void MacroPage::AddEventLines(int slot, int step) {
  ListStep(ctx_.table.macros[slot], step);
  ctx_.repaint.RepaintWholeWindow();
  SelectListedLine();
}

// While recording the newest line, else the line of the last right-click.
void MacroPage::SelectListedLine() {
  ListBoxWindow& list = eventList_.List();
  list.SelectLine(state_.recording ? list.LineCount() - 1 : state_.editLine);
}

// The delay line before the step (from the second step on), then the step.
void MacroPage::ListStep(const Macro& macro, int step) {
  ListBoxWindow& list = eventList_.List();
  const MacroEvent& event = macro.events[step];
  if (step > 0) list.AddLine(DelayLine(macro.events[step - 1].delayMs));
  if (event.action == kPressAction) ++state_.listedPresses;
  if (event.action == kReleaseAction) ++state_.listedReleases;
  list.AddLine(StepLine(event));
}

// One repaint for the whole rebuild, also when the list ends up empty, so
// the painted counters are current.
void MacroPage::ShowMacroEvents(int slot) {
  ClearEventList();
  const bool valid = slot >= 0 && slot < kMacroSlots;
  const Macro* macro = valid ? &ctx_.table.macros[slot] : nullptr;
  if (macro && macro->eventCount > 0) {
    for (int step = 0; step < macro->eventCount; ++step) ListStep(*macro, step);
    SelectListedLine();
    ShowRepeat(*macro);
  }
  ctx_.repaint.RepaintWholeWindow();
}

void MacroPage::ShowRepeat(const Macro& macro) {
  const bool repeats = macro.repeatMode == 1;
  repeatBox_->SetText(repeats ? FormatDecimal(macro.repeatCount) : u"1");
  repeatBox_->Enable(repeats);
}

void MacroPage::ClearEventList() {
  state_.listedPresses = 0;
  state_.listedReleases = 0;
  ListBoxWindow& list = eventList_.List();
  for (int line = list.LineCount() - 1; line >= 0; --line) list.DeleteLine(line);
}

}  // namespace varkel
