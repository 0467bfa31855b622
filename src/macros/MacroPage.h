#pragma once
// The advanced page's macro half: its four controls, the event list's text,
// recording from the keyboard, step editing from the context menu, and the
// page's buttons. One MacroPage, owned by the main window, holds the page's
// state; the main window hands it the page's life (controls made and
// destroyed with the page), its buttons, its pre-filtered messages and its
// commands. Every operation is safe without the controls.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "macros/CEditableListBox.h"
#include "macros/MacroTable.h"
#include "macros/Recording.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Ini.h"
#include "platform/KeyboardCapture.h"
#include "platform/MessageMap.h"
#include "platform/Repaint.h"
#include "platform/TimeOfDay.h"
#include "skin/SkinLayout.h"

namespace varkel {

constexpr int kNameBoxId = 10000;
constexpr int kMacroListId = 10001;
constexpr int kEventListId = 10002;
constexpr int kRepeatBoxId = 10004;

struct MacroPageContext {
  MacroTable& table;
  const SkinLayout& skin;
  ControlFactory& controls;
  KeyboardCapture& keyboard;
  TimeOfDay& timeOfDay;
  Dialogs& dialogs;
  RepaintRequests& repaint;
  IniFiles& ini;
  std::u16string macroPath;  // where the save button writes the table
  // Shows the event list's context menu at a screen point and returns once
  // it has closed: the command chosen, or 0 when none was chosen or the
  // command arrives later as a WM_COMMAND.
  std::function<int(ScreenPoint)> showEventMenu;
};

struct MacroPageState {
  // Press and release steps listed since the event list was last cleared.
  int listedPresses = 0;
  int listedReleases = 0;

  bool recording = false;
  int recordMacro = 0;
  int recordCount = 0;
  HeldKeys heldKeys;
  std::optional<KeyMessage> lastKeyMessage;  // kept from one recording to the next
  std::int32_t lastStepTime = 0;             // milliseconds of the day

  // Where the last right-click on the page was, and what the commands act on.
  int editLine = 0;
  int editMacro = 0;
  int editStep = 0;
  int lineCountAtClick = 0;
};

class MacroPage {
 public:
  explicit MacroPage(MacroPageContext context);
  MacroPage(const MacroPage&) = delete;
  MacroPage& operator=(const MacroPage&) = delete;

  // The four controls, made in the order repeat box, name box, macro list,
  // event list, and destroyed in the same order. Fill them with ShowMacroList.
  void CreateControls(WindowId mainWindow);
  void DestroyControls();
  bool ControlsExist() const { return eventList_.List().Exists(); }

  // Start-up: the edit line on the current macro's last step.
  void PlaceEditLineOnLastStep();
  // The table was replaced (defaults restored, a file imported): shown again
  // when the page is up.
  void RefreshShownList();

  // The page's buttons, and the macro list's selection.
  void ShowMacroList();
  void SelectMacro();
  void AddMacro();
  void DeleteMacro();
  void ToggleRepeatMode();
  void SaveMacroSettings();
  void ToggleRecording();

  // The main window's messages this page handles: the context menu's
  // commands, the macro list's selection change, WM_INPLACE_DONE. nullopt
  // for any other.
  MessageResult OnMessage(const WindowMessage& message);
  // The main window's pre-filter: recording, the context menu on the right
  // button's release, the keyboard filter. True swallows the message.
  bool PreTranslate(const WindowMessage& message);

  const MacroPageState& State() const { return state_; }
  const EditBoxWindow& NameBox() const { return *nameBox_; }
  const EditBoxWindow& RepeatBox() const { return *repeatBox_; }
  const ListBoxWindow& MacroList() const { return *macroList_; }
  const CEditableListBox& EventList() const { return eventList_; }

 private:
  // The event list's text.
  void AddEventLines(int slot, int step);
  void ListStep(const Macro& macro, int step);
  void SelectListedLine();
  void ShowMacroEvents(int slot);
  void ShowRepeat(const Macro& macro);
  void ClearEventList();

  // Recording.
  void StartRecording();
  void StopRecording();
  void RecordKeyMessage(const WindowMessage& message);
  bool TakeStep(const WindowMessage& message, MacroEvent& step);

  // Step editing.
  void OpenContextMenu();
  void RunEditCommand(int command);
  bool EditMacroInUse() const;
  void InsertStep(int slot, int position, std::uint8_t keyCode, std::uint8_t action);
  void InsertMouseStep(int command);
  void DeleteStep();
  void ChangeDelay();
  void StoreEditedDelay();

  MessageResult OnEditCommand(const WindowMessage& message);
  MessageResult OnMacroListCommand(const WindowMessage& message);
  MessageResult OnInplaceDone(const WindowMessage& message);
  static const MessageMapEntry<MacroPage> kMessageMap[];

  bool HasMacros() const { return ctx_.table.macroCount > 0; }

  MacroPageContext ctx_;
  MacroPageState state_;
  std::unique_ptr<EditBoxWindow> repeatBox_;
  std::unique_ptr<EditBoxWindow> nameBox_;
  std::unique_ptr<ListBoxWindow> macroList_;
  CEditableListBox eventList_;
};

}  // namespace varkel
