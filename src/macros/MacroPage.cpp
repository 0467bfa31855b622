#include "macros/MacroPage.h"

#include <algorithm>

#include "config/DecimalText.h"
#include "macros/EventMenuIds.h"
#include "macros/KeyboardFilter.h"
#include "macros/MacroFile.h"

namespace varkel {
namespace {

constexpr std::uint32_t kEditStyle = style::kChild | style::kVisible | style::kEditCentre | style::kEditWantReturn;
constexpr std::uint32_t kListStyle = style::kChild | style::kVisible | style::kVerticalScroll | style::kListNotify;
constexpr std::int32_t kMinRepeatCount = 1;
constexpr std::int32_t kMaxRepeatCount = 65535;

}  // namespace

const MessageMapEntry<MacroPage> MacroPage::kMessageMap[] = {
    OnCommandEntry(ID_CHANGE_DELAY, ID_DELETE_STEP, &MacroPage::OnEditCommand),
    OnCommandEntry(ID_INSERT_BEFORE_LEFT_DOWN, ID_INSERT_AFTER_MIDDLE_UP, &MacroPage::OnEditCommand),
    OnCommandEntry(kMacroListId, kMacroListId, &MacroPage::OnMacroListCommand),
    OnMessageEntry(WM_INPLACE_DONE, &MacroPage::OnInplaceDone),
};

MacroPage::MacroPage(MacroPageContext context)
    : ctx_(std::move(context)),
      repeatBox_(ctx_.controls.MakeEditBox(nullptr)),
      nameBox_(ctx_.controls.MakeEditBox(nullptr)),
      macroList_(ctx_.controls.MakeListBox(nullptr)),
      eventList_(ctx_.controls) {}

void MacroPage::CreateControls(WindowId mainWindow) {
  repeatBox_->Create(mainWindow, {kRepeatBoxId, kEditStyle, 0, ctx_.skin.repeatBox.Bounds()});
  nameBox_->Create(mainWindow, {kNameBoxId, kEditStyle, 0, ctx_.skin.nameBox.Bounds()});
  // A slot holds no more of a name than this.
  nameBox_->LimitText(kMacroNameChars);
  macroList_->Create(mainWindow, {kMacroListId, kListStyle, 0, ctx_.skin.macroList.Bounds()});
  eventList_.Create(mainWindow, {kEventListId, kListStyle, 0, ctx_.skin.eventList.Bounds()});
}

void MacroPage::DestroyControls() {
  // A delay being edited is stored while the lists still exist.
  eventList_.EndEdit(true);
  repeatBox_->Destroy();
  nameBox_->Destroy();
  macroList_->Destroy();
  eventList_.Destroy();
}

void MacroPage::PlaceEditLineOnLastStep() {
  const int current = ctx_.table.currentMacro;
  const bool valid = current >= 0 && current < kMacroSlots;
  const int steps = valid ? ctx_.table.macros[current].eventCount : 0;
  state_.editLine = steps > 0 ? 2 * steps - 2 : 0;
}

void MacroPage::RefreshShownList() {
  if (ControlsExist()) ShowMacroList();
}

void MacroPage::ShowMacroList() {
  for (int line = macroList_->LineCount() - 1; line >= 0; --line) macroList_->DeleteLine(line);
  const int count = ctx_.table.macroCount;
  for (int slot = 0; slot < count; ++slot) macroList_->AddLine(NameOf(ctx_.table.macros[slot]));
  if (count == 0) return;
  ctx_.table.currentMacro = std::clamp(ctx_.table.currentMacro, 0, count - 1);
  macroList_->SelectLine(ctx_.table.currentMacro);
  SelectMacro();
}

void MacroPage::SelectMacro() {
  const int line = macroList_->SelectedLine();
  if (line < 0 || line >= ctx_.table.macroCount) return;
  ctx_.table.currentMacro = line;
  nameBox_->SetText(macroList_->LineText(line));
  ShowMacroEvents(line);
}

void MacroPage::AddMacro() {
  const std::u16string typed = nameBox_->Text();
  macroList_->Focus();
  MacroTable& table = ctx_.table;
  if (table.macroCount >= kMacroSlots || typed.empty()) return;
  const std::u16string name = typed.substr(0, kMacroNameChars);

  for (int slot = 0; slot < table.macroCount; ++slot) {
    if (NameOf(table.macros[slot]) != name) continue;
    // Shown as if the person had selected it, so that what the page shows
    // is what its buttons act on.
    table.currentMacro = slot;
    macroList_->SelectLine(slot);
    SelectMacro();
    return;
  }

  const int slot = table.macroCount;
  {
    std::lock_guard guard(table.lock);
    table.macros[slot] = FreeMacroSlot();
    SetName(table.macros[slot], name);
    ++table.macroCount;
  }
  ClearEventList();
  macroList_->AddLine(name);
  table.currentMacro = slot;
  macroList_->SelectLine(slot);
  ctx_.repaint.RepaintWholeWindow();
}

void MacroPage::DeleteMacro() {
  if (state_.recording || macroList_->LineCount() == 0) return;
  MacroTable& table = ctx_.table;
  const int doomed = macroList_->SelectedLine();
  if (doomed < 0 || doomed >= table.macroCount) return;
  {
    std::lock_guard guard(table.lock);
    const auto used = table.macros.begin() + table.macroCount;
    std::move(table.macros.begin() + doomed + 1, used, table.macros.begin() + doomed);
    --table.macroCount;
    table.macros[table.macroCount] = FreeMacroSlot();
  }
  macroList_->DeleteLine(doomed);
  const int selected = std::max(doomed - 1, 0);
  macroList_->SelectLine(selected);
  table.currentMacro = selected;
  if (macroList_->LineCount() > 0) {
    nameBox_->SetText(macroList_->LineText(selected));
  } else {
    nameBox_->SetText(u"");
    repeatBox_->SetText(u"1");
    repeatBox_->Enable(false);
  }
  ShowMacroEvents(table.currentMacro);
}

void MacroPage::ToggleRepeatMode() {
  MacroTable& table = ctx_.table;
  const int current = table.currentMacro;
  if (current < 0 || current >= table.macroCount) return;
  Macro& macro = table.macros[current];
  {
    std::lock_guard guard(table.lock);
    macro.repeatMode = macro.repeatMode == 0 ? 1 : 0;
  }
  ShowRepeat(macro);
  ctx_.repaint.RepaintWholeWindow();
}

void MacroPage::SaveMacroSettings() {
  const std::int32_t typed = ParseDecimal(repeatBox_->Text());
  const std::int32_t count = std::clamp(typed, kMinRepeatCount, kMaxRepeatCount);
  if (count != typed) repeatBox_->SetText(FormatDecimal(count));

  MacroTable& table = ctx_.table;
  const int current = table.currentMacro;
  if (current >= 0 && current < table.macroCount) {
    std::lock_guard guard(table.lock);
    table.macros[current].repeatCount = static_cast<std::uint16_t>(count);
  }
  SaveMacros(ctx_.ini, ctx_.macroPath, table);
}

MessageResult MacroPage::OnMessage(const WindowMessage& message) {
  return RouteMessage<MacroPage>(*this, kMessageMap, message);
}

bool MacroPage::PreTranslate(const WindowMessage& message) {
  if (state_.recording && IsKeyMessage(message.id)) RecordKeyMessage(message);
  if (!state_.recording && message.id == msg::kRightButtonUp && ControlsExist()) OpenContextMenu();
  return KeyboardFilterSwallows(message);
}

MessageResult MacroPage::OnMacroListCommand(const WindowMessage& message) {
  if (HighWord(message.wParam) != kListSelectionChanged) return std::nullopt;
  SelectMacro();
  return 0;
}

}  // namespace varkel
