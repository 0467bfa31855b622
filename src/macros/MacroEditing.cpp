// Step editing from the event list's context menu, and the delay written
// back from the in-place editor.
#include <algorithm>

#include "macros/DelayText.h"
#include "macros/EventMenuIds.h"
#include "macros/MacroPage.h"
#include "macros/MacroSteps.h"

namespace varkel {
namespace {

struct InsertCommand {
  int command;
  bool after;
  std::uint8_t keyCode;
  std::uint8_t action;
};

constexpr InsertCommand kInsertCommands[] = {
    {ID_INSERT_BEFORE_LEFT_DOWN, false, kLeftButtonKey, kPressAction},
    {ID_INSERT_BEFORE_LEFT_UP, false, kLeftButtonKey, kReleaseAction},
    {ID_INSERT_BEFORE_RIGHT_DOWN, false, kRightButtonKey, kPressAction},
    {ID_INSERT_BEFORE_RIGHT_UP, false, kRightButtonKey, kReleaseAction},
    {ID_INSERT_BEFORE_MIDDLE_DOWN, false, kMiddleButtonKey, kPressAction},
    {ID_INSERT_BEFORE_MIDDLE_UP, false, kMiddleButtonKey, kReleaseAction},
    {ID_INSERT_AFTER_LEFT_DOWN, true, kLeftButtonKey, kPressAction},
    {ID_INSERT_AFTER_LEFT_UP, true, kLeftButtonKey, kReleaseAction},
    {ID_INSERT_AFTER_RIGHT_DOWN, true, kRightButtonKey, kPressAction},
    {ID_INSERT_AFTER_RIGHT_UP, true, kRightButtonKey, kReleaseAction},
    {ID_INSERT_AFTER_MIDDLE_DOWN, true, kMiddleButtonKey, kPressAction},
    {ID_INSERT_AFTER_MIDDLE_UP, true, kMiddleButtonKey, kReleaseAction},
};

constexpr std::uintptr_t kOpenEditorChar = 1;

}  // namespace

// Which line and step the pointer is on, and, over a line of the list (or
// an empty list), the context menu.
void MacroPage::OpenContextMenu() {
  ListBoxWindow& list = eventList_.List();
  const Rect area = list.ClientRectOnScreen();
  const ScreenPoint pointer = ctx_.controls.PointerOnScreen();
  const int height = list.LineHeight();
  state_.editLine = height == 0 ? 0 : (list.TopLine() * height + pointer.y - area.top) / height;
  list.SelectLine(state_.editLine);
  state_.lineCountAtClick = list.LineCount();

  int chosen = 0;
  const bool onLine = state_.editLine < state_.lineCountAtClick || state_.lineCountAtClick == 0;
  if (area.Contains(pointer.x, pointer.y) && onLine && ctx_.showEventMenu) chosen = ctx_.showEventMenu(pointer);

  state_.editMacro = std::min(macroList_->SelectedLine(), kMacroSlots - 1);
  state_.editStep = list.SelectedLine() / 2;
  if (chosen != 0) RunEditCommand(chosen);
}

MessageResult MacroPage::OnEditCommand(const WindowMessage& message) {
  RunEditCommand(LowWord(message.wParam));
  return 0;
}

// With no macro in the list there is no slot to act on.
bool MacroPage::EditMacroInUse() const {
  return state_.editMacro >= 0 && state_.editMacro < ctx_.table.macroCount;
}

void MacroPage::RunEditCommand(int command) {
  if (state_.recording || !EditMacroInUse()) return;
  if (command == ID_CHANGE_DELAY) {
    ChangeDelay();
  } else if (command == ID_DELETE_STEP) {
    DeleteStep();
  } else {
    InsertMouseStep(command);
  }
}

void MacroPage::InsertMouseStep(int command) {
  const auto found = std::find_if(std::begin(kInsertCommands), std::end(kInsertCommands),
                                  [command](const InsertCommand& c) { return c.command == command; });
  if (found == std::end(kInsertCommands)) return;
  const bool emptyList = eventList_.List().LineCount() == 0;
  const int position = !found->after ? state_.editStep : emptyList ? 0 : state_.editStep + 1;
  InsertStep(state_.editMacro, position, found->keyCode, found->action);
  if (found->after && emptyList) state_.editLine = 0;
  ShowMacroEvents(state_.editMacro);
}

void MacroPage::InsertStep(int slot, int position, std::uint8_t keyCode, std::uint8_t action) {
  bool inserted = false;
  {
    std::lock_guard guard(ctx_.table.lock);
    inserted = InsertStepAt(ctx_.table.macros[slot], position, keyCode, action);
  }
  if (!inserted) {
    ctx_.dialogs.ShowMessage(u"Overflow!!!");
    return;
  }
  state_.editLine += 2;
}

void MacroPage::DeleteStep() {
  {
    std::lock_guard guard(ctx_.table.lock);
    DeleteStepAt(ctx_.table.macros[state_.editMacro], state_.editStep);
  }
  state_.editLine = state_.editLine > 2 ? state_.editLine - 2 : 0;
  ShowMacroEvents(state_.editMacro);
}

// Only on a delay line (odd) of a list that had lines.
void MacroPage::ChangeDelay() {
  if (state_.lineCountAtClick == 0 || state_.editLine % 2 == 0) return;
  eventList_.List().Send(msg::kChar, kOpenEditorChar, 0);
}

MessageResult MacroPage::OnInplaceDone(const WindowMessage&) {
  StoreEditedDelay();
  return 0;
}

void MacroPage::StoreEditedDelay() {
  if (!EditMacroInUse() || state_.editStep < 0 || state_.editStep >= kMacroSteps) return;
  const std::uint16_t delay = ParseDelayText(eventList_.List().LineText(state_.editLine));
  {
    std::lock_guard guard(ctx_.table.lock);
    ctx_.table.macros[state_.editMacro].events[state_.editStep].delayMs = delay;
  }
  ShowMacroEvents(state_.editMacro);
}

}  // namespace varkel
