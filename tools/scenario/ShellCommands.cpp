// tray, menu, syscommand, endsession, answer: the main window beside the
// desktop (its notification-area icon and menus, the system's commands, the
// end of the session) and the answers to its file dialogs; `view.tray`.
#include "Commands.h"
#include "Scenario.h"
#include "ScriptText.h"
#include "app/TrayIcon.h"
#include "platform/Messages.h"

namespace varkel::scenario {
namespace {

// A number in decimal or, after "0x", in hex.
bool ParseNumber(const std::string& text, std::uint32_t& value) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  std::uint64_t v = 0;
  const char* end = digits.data() + digits.size();
  const auto [ptr, ec] = std::from_chars(digits.data(), end, v, hex ? 16 : 10);
  if (digits.empty() || ec != std::errc() || ptr != end || v > UINT32_MAX) return false;
  value = static_cast<std::uint32_t>(v);
  return true;
}

// The icon's callback: its id and the mouse message.
bool Tray(Scenario& s, const ScriptCommand& c) {
  std::uint32_t mouseMessage = 0;
  if (c.args[0] == "dblclick")
    mouseMessage = msg::kLeftButtonDoubleClick;
  else if (c.args[0] == "rclick")
    mouseMessage = msg::kRightButtonUp;
  else
    return s.Fail(c, "the icon takes dblclick or rclick");
  s.Send(kTrayCallbackMessage, kTrayIconId, mouseMessage);
  return true;
}

// The open popup closes: with the item sending CMD chosen, or with none.
bool Menu(Scenario& s, const ScriptCommand& c) {
  ScenarioShell& shell = s.Shell();
  if (!shell.Open()) return s.Fail(c, "no popup menu is open");
  const ScenarioShell::OpenPopup open = *shell.Open();
  if (c.args[0] == "none") {
    shell.Close();
    return true;
  }
  std::uint32_t command = 0;
  if (!ParseNumber(c.args[0], command)) return s.Fail(c, "a command is a number, or none");
  if (!HasCommand(*open.menu, static_cast<std::int32_t>(command)))
    return s.Fail(c, "the open menu has no item " + c.args[0]);
  if (open.owner != s.MainWindow().Id()) return s.Fail(c, "the menu's owner is not the main window");
  shell.Close();
  s.Send(msg::kCommand, command, 0);
  return true;
}

bool SysCommand(Scenario& s, const ScriptCommand& c) {
  std::uint32_t command = 0;
  if (!ParseNumber(c.args[0], command)) return s.Fail(c, "not a number");
  s.Send(msg::kSysCommand, command, 0);
  return true;
}

// The session ends (wParam 1: it does end).
bool EndSession(Scenario& s, const ScriptCommand&) {
  s.Send(msg::kEndSession, 1, 0);
  return true;
}

// How the next file dialog is answered; NAME is a file of the program folder.
bool Answer(Scenario& s, const ScriptCommand& c) {
  using Kind = sim::ScriptedFileDialogs::Answer;
  const std::string& kind = c.args[0];
  if (kind == "cancel") {
    if (c.args.size() != 1) return s.Fail(c, "cancel takes no name");
    s.Shell().fileDialogs.Queue(Kind::Cancel);
    return true;
  }
  if (kind != "open" && kind != "save") return s.Fail(c, "the answer is open NAME, save NAME or cancel");
  if (c.args.size() != 2) return s.Fail(c, kind + " takes a file name");
  std::u16string path(ProgramFolder::kExeDir);
  path += u'\\';
  for (const char ch : c.args[1]) path += ch == '/' ? u'\\' : static_cast<char16_t>(static_cast<unsigned char>(ch));
  s.Shell().fileDialogs.Queue(kind == "open" ? Kind::Open : Kind::Save, path);
  return true;
}

void TrayView(Scenario& s) { s.Line("view.tray=" + std::to_string(s.MainWindow().HasTrayIcon())); }

}  // namespace

void AddShellCommands(Commands& commands) {
  commands.Add({"tray", 1, 1, true, false, Tray});
  commands.Add({"menu", 1, 1, true, false, Menu});
  commands.Add({"syscommand", 1, 1, true, false, SysCommand});
  commands.Add({"endsession", 0, 0, true, false, EndSession});
  commands.Add({"answer", 1, 2, false, true, Answer});
  commands.AddView(TrayView);
}

}  // namespace varkel::scenario
