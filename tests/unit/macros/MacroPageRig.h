#pragma once
// A macro page on simulated controls, inside a main window that hands it its
// messages as the real one does, with a settable time of day and a context
// menu that returns a chosen command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/CEditableListBox.h"
#include "macros/MacroPage.h"
#include "platform/Messages.h"
#include "platform/sim/SimControls.h"
#include "platform/sim/SimKeyboardCapture.h"
#include "unit/support/MemoryIni.h"

namespace varkel::macrotest {

class RecordingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
  std::vector<std::u16string> messages;
};

class CountingRepaint final : public RepaintRequests {
 public:
  void RepaintWholeWindow() override { ++count; }
  int count = 0;
};

class FixedTimeOfDay final : public TimeOfDay {
 public:
  std::int32_t MillisecondsOfDay() override { return now; }
  std::int32_t now = 0;
};

// The main window's side: its messages go to the page, as its message map
// and pre-filter will send them.
class MainWindowStub final : public WindowClass {
 public:
  explicit MainWindowStub(MacroPage& page) : page_(page) {}
  MessageResult OnMessage(const WindowMessage& message) override {
    if (message.id == WM_INPLACE_DONE) ++inplaceDone;
    return page_.OnMessage(message);
  }
  int inplaceDone = 0;

 private:
  MacroPage& page_;
};

inline MacroEvent Press(std::uint8_t key, std::uint16_t delay = 30) { return {key, kPressAction, delay}; }
inline MacroEvent Release(std::uint8_t key, std::uint16_t delay = 30) { return {key, kReleaseAction, delay}; }

inline Macro MakeMacro(std::u16string_view name, std::vector<MacroEvent> steps = {}) {
  Macro macro = FreeMacroSlot();
  SetName(macro, name);
  std::copy(steps.begin(), steps.end(), macro.events.begin());
  macro.eventCount = static_cast<std::uint8_t>(steps.size());
  return macro;
}

inline const std::u16string kMacroPath = u"C:\\app\\Macro.dat";

struct MacroPageRig : ::testing::Test {
  static constexpr WindowId kMain = 1;
  static constexpr ScreenPoint kClientOrigin{200, 100};

  sim::SimControls controls;
  sim::SimKeyboardCapture keyboard;
  FixedTimeOfDay timeOfDay;
  testing_support::MemoryIni ini;
  RecordingDialogs dialogs;
  CountingRepaint repaint;
  SkinLayout skin = MakeSkin();
  MacroTable table;
  std::vector<ScreenPoint> menuShownAt;
  int menuChoice = 0;
  MacroPage page{{table, skin, controls, keyboard, timeOfDay, dialogs, repaint, ini, kMacroPath,
                  [this](ScreenPoint at) {
                    menuShownAt.push_back(at);
                    return menuChoice;
                  }}};
  MainWindowStub main{page};

  MacroPageRig() { controls.AddTopLevel(kMain, main, kClientOrigin); }
  // The controls go while the main window that hears of their focus still exists.
  ~MacroPageRig() override { page.DestroyControls(); }

  // The event list holds ten lines.
  static SkinLayout MakeSkin() {
    SkinLayout s;
    s.repeatBox = {300, 40, 60, 20};
    s.nameBox = {300, 10, 120, 20};
    s.macroList = {20, 10, 150, 200};
    s.eventList = {200, 80, 180, 10 * sim::SimListBox::kLineHeight};
    return s;
  }

  void Load(std::vector<Macro> macros) {
    for (std::size_t i = 0; i < macros.size(); ++i) table.macros[i] = macros[i];
    table.macroCount = static_cast<std::int16_t>(macros.size());
    table.currentMacro = std::max(table.macroCount - 1, 0);
  }
  void ShowPage() {
    page.CreateControls(kMain);
    page.ShowMacroList();
  }

  sim::SimListBox& MacroList() { return *controls.FindListBox(kMacroListId); }
  sim::SimListBox& EventList() { return *controls.FindListBox(kEventListId); }
  sim::SimEditBox& NameBox() { return *controls.FindEditBox(kNameBoxId); }
  sim::SimEditBox& RepeatBox() { return *controls.FindEditBox(kRepeatBoxId); }
  std::vector<std::u16string> EventLines() { return EventList().Lines(); }

  // As after a Tab into the box: what is typed replaces the whole text.
  void TypeInto(sim::SimEditBox& box, std::u16string_view text) {
    controls.Focus(box.Id());
    box.SelectAllText();
    controls.TypeText(text.empty() ? u"\b" : text);
  }

  // A key message reaching the main window's pre-filter; true when swallowed.
  bool Key(std::uint32_t kind, std::uintptr_t key) { return page.PreTranslate({kMain, kind, key, 0}); }
  void Tap(std::uintptr_t key) {
    Key(msg::kKeyDown, key);
    Key(msg::kKeyUp, key);
  }

  // The right button released over the centre of event-list line `line`.
  void RightClickLine(int line) { RightClickAt(EventList().LineCentreOnScreen(line)); }
  void RightClickAt(ScreenPoint at) {
    controls.SetPointer(at);
    page.PreTranslate({EventList().Id(), msg::kRightButtonUp, 0, 0});
  }
  void Command(int id) { controls.Deliver({kMain, msg::kCommand, static_cast<std::uintptr_t>(id), 0}); }
};

}  // namespace varkel::macrotest
