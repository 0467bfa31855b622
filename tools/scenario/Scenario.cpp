#include "Scenario.h"

#include "Commands.h"
#include "ScriptText.h"
#include "app/StartUp.h"
#include "device/FindDevice.h"
#include "platform/Messages.h"
#include "platform/portable/Utf8Text.h"

namespace varkel::scenario {
namespace {

// How long a mouse command lets the program take the reports it caused.
constexpr std::int64_t kReportDrainLimitUs = 1'000'000;

// "07 10 01 01": up to the last non-zero byte, at least four bytes.
std::string FeatureLine(const std::vector<std::uint8_t>& bytes) {
  std::size_t shown = bytes.size();
  while (shown > 4 && bytes[shown - 1] == 0) --shown;
  std::string line = "feature";
  for (std::size_t i = 0; i < shown; ++i) line += ' ' + Hex2(bytes[i]);
  return line;
}

}  // namespace

Scenario::Scenario(const RunOptions& options, std::ostream& out, std::ostream& err)
    : options_(options),
      transcript_(out),
      err_(err),
      folder_(MakeTemporaryFolder()),
      hostPaths_(folder_.Root()),
      portableIni_(hostPaths_),
      ini_(portableIni_,
           [this](auto path, auto section, auto key, auto value) {
             recorder_.Line("write " + ProgramFolder::Shown(path) + ' ' + ToUtf8(section) + ' ' + ToUtf8(key) +
                            '=' + ToUtf8(value));
           }),
      files_(hostPaths_),
      clock_(world_),
      recorder_(world_, transcript_),
      threads_(world_, [this](const std::string& line) { recorder_.Line(line); }),
      dialogs_(recorder_),
      repaint_(recorder_),
      window_(recorder_, [this] { return PointerOnScreen(); }),
      shell_(recorder_),
      input_(world_),
      pointerSpeed_(world_),
      images_(hostPaths_),
      pictures_(images_) {
  input_.SetObserver([this](const sim::InputRecord& r) { transcript_.Add(r.timeUs, sim::DescribeInput(r)); });
  pointerSpeed_.SetObserver([this](int speed, std::int64_t timeUs) {
    transcript_.Add(timeUs, "pointer-speed " + std::to_string(speed));
  });
}

Scenario::~Scenario() { Stop(); }

bool Scenario::SetUp(std::ostream& err) {
  if (folder_.Root().empty()) {
    err << "varkel-scenario: cannot make a temporary folder\n";
    return false;
  }
  std::string problem;
  if (!folder_.CopyShippedData(options_.dataDir, problem)) {
    err << "varkel-scenario: " << problem << "\n";
    return false;
  }
  return true;
}

bool Scenario::Fail(const ScriptCommand& c, const std::string& message) {
  err_ << "line " << c.line << ": " << c.name << ": " << message << "\n";
  return false;
}

bool Scenario::Check(const ScriptCommand& c) {
  const Command* command = AllCommands().Find(c.name);
  if (!command) return Fail(c, "unknown command");
  if (c.args.size() < command->minArgs || c.args.size() > command->maxArgs) {
    return Fail(c, command->minArgs == command->maxArgs
                       ? "takes " + std::to_string(command->minArgs) + " argument(s)"
                       : "takes " + std::to_string(command->minArgs) + " to " +
                             std::to_string(command->maxArgs) + " arguments");
  }
  return true;
}

bool Scenario::Run(const ScriptCommand& c) {
  const Command* command = AllCommands().Find(c.name);
  if (command->needsProgram && !started_) return Fail(c, "the program has not been started");
  if (command->needsProgram && ended_ && !command->afterEnd) return Fail(c, "the program has ended");
  const int mismatches = shell_.fileDialogs.Mismatches();
  if (!command->run(*this, c)) return false;
  if (shell_.fileDialogs.Mismatches() != mismatches)
    return Fail(c, "a file dialog met an answer queued for the other kind");
  return true;
}

void Scenario::StartProgram(bool withMouse) {
  mouse_ = std::make_unique<sim::SimMouse>(
      world_, withMouse ? sim::SimMouse::StandardInterfaces() : sim::SimMouse::Interfaces{});
  mouse_->SetFeatureObserver([this](const std::vector<std::uint8_t>& bytes, std::int64_t timeUs) {
    transcript_.Add(timeUs, FeatureLine(bytes));
  });
  mouse_->SetNoticeObserver([this](const DeviceNotice& notice) { notices_.push_back(notice); });
  platform_ = std::make_unique<Platform>(Platform{ini_, files_, clock_, threads_, dialogs_, repaint_, *mouse_,
                                                  input_, pointerSpeed_, images_, pictures_, shapedWindow_,
                                                  window_, window_, shell_.fileDialogs});
  program_ = std::make_unique<Program>(*platform_, std::u16string(ProgramFolder::kExeDir));
  world_.WatchLock(program_->model.lock);
  dialog_ = std::make_unique<CZUL_TavrinDlg>(
      [this](const MainWindowSteps& steps) { return StartUp(*program_, steps); }, *program_,
      &program_->views);
  dialog_->Attach(&window_);
  dialog_->SetShell({window_, window_, shell_.menus, shell_.dialogs, shell_.colours, [this] { program_->Apply(); }});
  started_ = true;
  Send(msg::kInitDialog, 0, 0);
}

MessageResult Scenario::Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  const WindowMessage sent{window_.Id(), message, wParam, lParam};
  const MessageResult result = dialog_->OnMessage(sent);
  if (!result) window_.DefaultHandling(sent);
  window_.DeliverPosted([this](const WindowMessage& m) { return dialog_->OnMessage(m); });
  world_.Settle();
  EndIfWindowGone();
  return result;
}

void Scenario::DrainReports() {
  world_.Settle();
  const std::int64_t limit = world_.NowUs() + kReportDrainLimitUs;
  while (!ended_ && mouse_->PendingInputReports() > 0 && world_.NowUs() < limit) {
    world_.Advance(1000);
  }
}

void Scenario::DeliverNotices() {
  std::vector<DeviceNotice> notices;
  notices.swap(notices_);
  for (const DeviceNotice& notice : notices) {
    if (ended_) break;
    OnDeviceChange(notice, *mouse_, program_->link, window_);
    world_.Settle();
    EndIfWindowGone();
  }
}

void Scenario::EndIfWindowGone() {
  if (!window_.Destroyed() || ended_) return;
  ended_ = true;
  Flush();
  threads_.StopAll();
}

void Scenario::Stop() {
  world_.Shutdown();
  threads_.StopAll();
  dialog_.reset();
  program_.reset();
}

int RunScenario(const ParsedScript& script, const RunOptions& options, std::ostream& out, std::ostream& err) {
  Scenario scenario(options, out, err);
  for (const ScriptCommand& c : script.commands) {
    if (!scenario.Check(c)) return 2;
  }
  if (!scenario.SetUp(err)) return 1;
  for (const ScriptCommand& c : script.commands) {
    const bool ok = scenario.Run(c);
    scenario.Flush();
    if (!ok) return 2;
  }
  return 0;
}

}  // namespace varkel::scenario
