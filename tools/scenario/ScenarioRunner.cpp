#include "ScenarioRunner.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>

#include "HarnessClock.h"
#include "QuietShapedWindow.h"
#include "platform/portable/PortableImages.h"
#include "ProgramFolder.h"
#include "RankedThreads.h"
#include "Recorders.h"
#include "RecordingIni.h"
#include "Transcript.h"
#include "platform/portable/Utf8Text.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "config/ProfileEdits.h"
#include "config/ProfileStore.h"
#include "device/FeatureReports.h"
#include "device/FindDevice.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableIni.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimPointerSpeed.h"

namespace varkel::scenario {
namespace {

// How long a mouse command lets the program take the reports it caused.
constexpr std::int64_t kReportDrainLimitUs = 1'000'000;

std::string Hex2(unsigned value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
  return text;
}

// "07 10 01 01": up to the last non-zero byte, at least four bytes.
std::string FeatureLine(const std::vector<std::uint8_t>& bytes) {
  std::size_t shown = bytes.size();
  while (shown > 4 && bytes[shown - 1] == 0) --shown;
  std::string line = "feature";
  for (std::size_t i = 0; i < shown; ++i) line += ' ' + Hex2(bytes[i]);
  return line;
}

template <typename T, std::size_t N>
std::string Joined(const std::array<T, N>& values) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i) text += ',';
    text += std::to_string(static_cast<long long>(values[i]));
  }
  return text;
}

bool ParseInt(const std::string& text, long long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

// The working profile's fields by their config.ini key names, set as the
// window's controls set them (8-bit members take the low 8 bits, the enable
// flags 0 or 1); "CurConfig" is the current profile's number.
struct ProfileField {
  std::string key;
  std::function<void(ProfileModel&, std::int32_t)> set;
};

std::vector<ProfileField> MakeProfileFields() {
  std::vector<ProfileField> fields;
  for (int b = 0; b < kButtonCount; ++b) {
    fields.push_back({"K" + std::to_string(b + 1),
                      [b](ProfileModel& m, std::int32_t v) { m.profile.buttons[b] = v; }});
  }
  fields.push_back({"DPI_LEVEL", [](ProfileModel& m, std::int32_t v) { m.profile.dpiLevel = v; }});
  fields.push_back(
      {"WHEEL_STATUS", [](ProfileModel& m, std::int32_t v) { m.profile.wheelStatus = v; }});
  fields.push_back(
      {"MACRO_MODE2", [](ProfileModel& m, std::int32_t v) { m.profile.macroMode = v; }});
  for (int k = 0; k < kDpiLevelCount; ++k) {
    fields.push_back({"DPI_SET" + std::to_string(k + 1), [k](ProfileModel& m, std::int32_t v) {
                        SetDpiValue(m, k, static_cast<std::uint8_t>(v));
                      }});
    fields.push_back({"DPI_SET_EN" + std::to_string(k + 1), [k](ProfileModel& m, std::int32_t v) {
                        m.profile.dpiSetEnabled[k] = v != 0;
                      }});
  }
  fields.push_back({"LED_STATUS", [](ProfileModel& m, std::int32_t v) {
                      m.profile.ledStatus = static_cast<std::uint8_t>(v);
                    }});
  fields.push_back({"DPI_SPEED", [](ProfileModel& m, std::int32_t v) {
                      m.profile.dpiSpeed = static_cast<std::uint8_t>(v);
                    }});
  fields.push_back({"CurConfig", [](ProfileModel& m, std::int32_t v) { m.currentProfile = v; }});
  return fields;
}

const ProfileField* FindProfileField(const std::string& key) {
  static const std::vector<ProfileField> fields = MakeProfileFields();
  for (const ProfileField& field : fields) {
    if (field.key == key) return &field;
  }
  return nullptr;
}

class ScriptError {
 public:
  explicit ScriptError(std::ostream& err) : err_(err) {}
  bool operator()(const ScriptCommand& c, const std::string& message) {
    err_ << "line " << c.line << ": " << c.name << ": " << message << "\n";
    return false;
  }

 private:
  std::ostream& err_;
};

// The simulated platform and the program on it.
class Scenario {
 public:
  Scenario(const RunOptions& options, std::ostream& out, std::ostream& err)
      : options_(options),
        transcript_(out),
        error_(err),
        folder_(MakeTemporaryFolder()),
        hostPaths_(folder_.Root()),
        portableIni_(hostPaths_),
        ini_(portableIni_, [this](auto path, auto section, auto key, auto value) {
          recorder_.Line("write " + ProgramFolder::Shown(path) + ' ' + ToUtf8(section) + ' ' +
                         ToUtf8(key) + '=' + ToUtf8(value));
        }),
        files_(hostPaths_),
        clock_(world_),
        threads_(world_),
        recorder_(world_, transcript_),
        dialogs_(recorder_),
        repaint_(recorder_),
        window_(recorder_),
        blinker_(recorder_),
        input_(world_),
        pointerSpeed_(world_),
        images_(hostPaths_) {
    input_.SetObserver([this](const sim::InputRecord& r) {
      transcript_.Add(r.timeUs, sim::DescribeInput(r));
    });
    pointerSpeed_.SetObserver([this](int speed, std::int64_t timeUs) {
      transcript_.Add(timeUs, "pointer-speed " + std::to_string(speed));
    });
  }

  ~Scenario() { Stop(); }

  bool SetUp(std::ostream& err) {
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

  bool Run(const ScriptCommand& c);
  bool Check(const ScriptCommand& c);
  void Flush() { transcript_.Flush(); }

 private:
  struct CommandEntry {
    const char* name;
    std::size_t minArgs, maxArgs;
    bool needsProgram;
    bool (Scenario::*run)(const ScriptCommand&);
  };
  static const CommandEntry kCommands[];
  static const CommandEntry* Find(const std::string& name);

  bool File(const ScriptCommand& c);
  bool Remove(const ScriptCommand& c);
  bool Print(const ScriptCommand& c);
  bool Start(const ScriptCommand& c);
  bool Apply(const ScriptCommand& c);
  bool Save(const ScriptCommand& c);
  bool Profile(const ScriptCommand& c);
  bool Set(const ScriptCommand& c);
  bool Press(const ScriptCommand& c);
  bool Release(const ScriptCommand& c);
  bool Click(const ScriptCommand& c);
  bool Report(const ScriptCommand& c);
  bool Unplug(const ScriptCommand& c);
  bool Plug(const ScriptCommand& c);
  bool Close(const ScriptCommand& c);
  bool AdvanceCommand(const ScriptCommand& c);
  bool SettleCommand(const ScriptCommand& c);
  bool State(const ScriptCommand& c);
  bool MouseState(const ScriptCommand& c);

  bool Button(const ScriptCommand& c, int& physical);
  // Lets virtual time run until the program has read every report the mouse
  // holds for it.
  void DrainReports();
  void DeliverNotices();
  void EndIfWindowGone();
  void Stop();
  void Line(const std::string& text) { recorder_.Line(text); }

  const RunOptions& options_;
  sim::SimWorld world_{sim::SimWorld::Time::Virtual};
  Transcript transcript_;
  ScriptError error_;
  ProgramFolder folder_;
  HostPaths hostPaths_;
  PortableIni portableIni_;
  RecordingIni ini_;
  PortableFiles files_;
  HarnessClock clock_;
  RankedThreads threads_;
  Recorder recorder_;
  RecordingDialogs dialogs_;
  RecordingRepaint repaint_;
  RecordingWindow window_;
  RecordingBlinker blinker_;
  sim::SimInput input_;
  sim::SimPointerSpeed pointerSpeed_;
  PortableImages images_;
  QuietShapedWindow shapedWindow_;
  std::unique_ptr<sim::SimMouse> mouse_;
  std::vector<DeviceNotice> notices_;
  std::unique_ptr<Platform> platform_;
  std::unique_ptr<Program> program_;
  bool started_ = false;
  bool ended_ = false;
};

const Scenario::CommandEntry Scenario::kCommands[] = {
    {"file", 1, 2, false, &Scenario::File},
    {"remove", 1, 1, false, &Scenario::Remove},
    {"print", 1, 1, false, &Scenario::Print},
    {"start", 0, 1, false, &Scenario::Start},
    {"apply", 0, 0, true, &Scenario::Apply},
    {"save", 0, 0, true, &Scenario::Save},
    {"profile", 1, 1, true, &Scenario::Profile},
    {"set", 2, 2, true, &Scenario::Set},
    {"press", 1, 1, true, &Scenario::Press},
    {"release", 1, 1, true, &Scenario::Release},
    {"click", 1, 1, true, &Scenario::Click},
    {"report", 1, 64, true, &Scenario::Report},
    {"unplug", 0, 0, true, &Scenario::Unplug},
    {"plug", 0, 0, true, &Scenario::Plug},
    {"close", 0, 0, true, &Scenario::Close},
    {"advance", 1, 1, false, &Scenario::AdvanceCommand},
    {"settle", 0, 0, false, &Scenario::SettleCommand},
    {"state", 0, 0, true, &Scenario::State},
    {"mouse", 0, 0, true, &Scenario::MouseState},
};

const Scenario::CommandEntry* Scenario::Find(const std::string& name) {
  for (const CommandEntry& entry : kCommands) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

bool Scenario::Check(const ScriptCommand& c) {
  const CommandEntry* entry = Find(c.name);
  if (!entry) return error_(c, "unknown command");
  if (c.args.size() < entry->minArgs || c.args.size() > entry->maxArgs) {
    return error_(c, entry->minArgs == entry->maxArgs
                         ? "takes " + std::to_string(entry->minArgs) + " argument(s)"
                         : "takes " + std::to_string(entry->minArgs) + " to " +
                               std::to_string(entry->maxArgs) + " arguments");
  }
  return true;
}

bool Scenario::Run(const ScriptCommand& c) {
  const CommandEntry* entry = Find(c.name);
  if (entry->needsProgram && !started_) return error_(c, "the program has not been started");
  if (entry->needsProgram && ended_ && c.name != "state" && c.name != "mouse") {
    return error_(c, "the program has ended");
  }
  return (this->*entry->run)(c);
}

bool Scenario::File(const ScriptCommand& c) {
  bool utf16 = false;
  if (c.args.size() == 2) {
    if (c.args[1] != "utf16") return error_(c, "the only option is utf16");
    utf16 = true;
  }
  if (!folder_.WriteFile(c.args[0], c.body, utf16)) return error_(c, "cannot write the file");
  return true;
}

bool Scenario::Remove(const ScriptCommand& c) {
  if (!folder_.Remove(c.args[0])) return error_(c, "no such file");
  return true;
}

bool Scenario::Print(const ScriptCommand& c) {
  std::vector<std::string> lines;
  const std::string& name = c.args[0];
  if (!folder_.ReadLines(name, lines)) {
    Line(name + ": (missing)");
    return true;
  }
  for (const std::string& line : lines) Line(name + ": " + line);
  return true;
}

bool Scenario::Start(const ScriptCommand& c) {
  if (started_) return error_(c, "the program runs already");
  if (!c.args.empty() && c.args[0] != "nomouse") return error_(c, "the only option is nomouse");
  const bool noMouse = !c.args.empty();
  mouse_ = std::make_unique<sim::SimMouse>(
      world_, noMouse ? sim::SimMouse::Interfaces{} : sim::SimMouse::StandardInterfaces());
  mouse_->SetFeatureObserver([this](const std::vector<std::uint8_t>& bytes, std::int64_t timeUs) {
    transcript_.Add(timeUs, FeatureLine(bytes));
  });
  mouse_->SetNoticeObserver([this](const DeviceNotice& notice) { notices_.push_back(notice); });
  platform_ = std::make_unique<Platform>(Platform{
      ini_, files_, clock_, threads_, dialogs_, repaint_, *mouse_, input_, pointerSpeed_,
      images_, shapedWindow_, window_, blinker_});
  program_ = std::make_unique<Program>(*platform_, std::u16string(ProgramFolder::kExeDir));
  world_.WatchLock(program_->model.lock);
  started_ = true;
  StartUp(*program_);
  world_.Settle();
  EndIfWindowGone();
  return true;
}

bool Scenario::Apply(const ScriptCommand&) {
  program_->Apply();
  world_.Settle();
  return true;
}

bool Scenario::Save(const ScriptCommand&) {
  program_->SaveCurrentProfile();
  world_.Settle();
  return true;
}

bool Scenario::Profile(const ScriptCommand& c) {
  long long n = 0;
  if (!ParseInt(c.args[0], n) || n < INT32_MIN || n > INT32_MAX) return error_(c, "not a number");
  program_->ChooseProfile(static_cast<std::int32_t>(n));
  world_.Settle();
  return true;
}

bool Scenario::Set(const ScriptCommand& c) {
  long long v = 0;
  if (!ParseInt(c.args[1], v) || v < INT32_MIN || v > INT32_MAX) return error_(c, "not a number");
  const ProfileField* field = FindProfileField(c.args[0]);
  if (!field) return error_(c, "no such field");
  {
    std::lock_guard guard(program_->model.lock);
    field->set(program_->model, static_cast<std::int32_t>(v));
  }
  world_.Settle();
  return true;
}

bool Scenario::Button(const ScriptCommand& c, int& physical) {
  long long b = 0;
  if (!ParseInt(c.args[0], b) || b < 1 || b > kButtonCount) {
    return error_(c, "a button is 1 to 6");
  }
  physical = PhysicalButtonOrder[static_cast<std::size_t>(b - 1)];
  return true;
}

bool Scenario::Press(const ScriptCommand& c) {
  int physical = 0;
  if (!Button(c, physical)) return false;
  mouse_->Press(physical);
  DrainReports();
  return true;
}

bool Scenario::Release(const ScriptCommand& c) {
  int physical = 0;
  if (!Button(c, physical)) return false;
  mouse_->Release(physical);
  DrainReports();
  return true;
}

bool Scenario::Click(const ScriptCommand& c) {
  int physical = 0;
  if (!Button(c, physical)) return false;
  mouse_->Press(physical);
  mouse_->Release(physical);
  DrainReports();
  return true;
}

bool Scenario::Report(const ScriptCommand& c) {
  std::vector<std::uint8_t> bytes;
  for (const std::string& word : c.args) {
    unsigned value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, 16);
    if (ec != std::errc() || ptr != end || value > 0xFF) return error_(c, "bytes are hex, 00 to FF");
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  mouse_->InjectInputReport(std::move(bytes));
  DrainReports();
  return true;
}

bool Scenario::Unplug(const ScriptCommand&) {
  mouse_->Unplug();
  DeliverNotices();
  return true;
}

bool Scenario::Plug(const ScriptCommand&) {
  mouse_->Plug();
  DeliverNotices();
  return true;
}

bool Scenario::Close(const ScriptCommand&) {
  program_->ShutdownDriver();
  world_.Settle();
  EndIfWindowGone();
  return true;
}

bool Scenario::AdvanceCommand(const ScriptCommand& c) {
  long long ms = 0;
  if (!ParseInt(c.args[0], ms) || ms < 0 || ms > 86'400'000) {
    return error_(c, "milliseconds, 0 to 86400000");
  }
  world_.Advance(ms * 1000);
  return true;
}

bool Scenario::SettleCommand(const ScriptCommand&) {
  world_.Settle();
  return true;
}

bool Scenario::State(const ScriptCommand&) {
  const DriverStatus& s = program_->status;
  Line("driverRunning=" + std::to_string(s.driverRunning.load()));
  Line("runButton=" + std::to_string(s.runButton.load()));
  Line("buttonPressed=" + std::to_string(s.buttonPressed.load()));
  Line("pressedCode=" + Hex2(s.pressedCode.load()));
  Line("stopRequested=" + std::to_string(s.stopRequested.load()));
  Line("blinkPhase=" + std::to_string(s.blinkPhase.load()));
  Line("applyStartedBlinker=" + std::to_string(s.applyStartedBlinker.load()));
  Line("blinkerAlive=" + std::to_string(s.blinkerAlive.load()));
  Line("deviceFound=" + std::to_string(program_->link.deviceFound.load()));
  std::lock_guard guard(program_->model.lock);
  const ProfileModel& m = program_->model;
  const MouseProfile& p = m.profile;
  Line("currentProfile=" + std::to_string(m.currentProfile));
  Line("buttons=" + Joined(p.buttons));
  Line("dpiLevel=" + std::to_string(p.dpiLevel));
  Line("wheelStatus=" + std::to_string(p.wheelStatus));
  Line("macroMode=" + std::to_string(p.macroMode));
  Line("dpiSet=" + Joined(p.dpiSet));
  Line("dpiSetEnabled=" + Joined(p.dpiSetEnabled));
  Line("ledStatus=" + std::to_string(p.ledStatus));
  Line("dpiSpeed=" + std::to_string(p.dpiSpeed));
  Line("appliedDpiSet=" + Joined(m.appliedDpiSet));
  Line("appliedLedStatus=" + std::to_string(m.appliedLedStatus));
  Line("appliedPointerSpeed=" + std::to_string(m.appliedPointerSpeed));
  Line("dpiStepOfButton=" + Joined(m.dpiStepOfButton));
  return true;
}

bool Scenario::MouseState(const ScriptCommand&) {
  const sim::SimMouse::State s = mouse_->GetState();
  std::string functions;
  for (int n = 1; n <= kButtonCount; ++n) {
    if (n > 1) functions += ',';
    functions += Hex2(s.functionOf[static_cast<std::size_t>(n)]);
  }
  Line("mouse.functionOf=" + functions);
  Line("mouse.wheel=" + std::to_string(s.wheel));
  Line("mouse.dpiLevel=" + std::to_string(s.dpiLevel));
  Line("mouse.dpiValue=" + std::to_string(s.dpiValue));
  Line("mouse.ledMode=" + std::to_string(s.ledMode));
  Line("mouse.exitReceived=" + std::to_string(s.exitReceived));
  return true;
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

// Destroying the main window ends the process: its threads go with it.
void Scenario::EndIfWindowGone() {
  if (!window_.Destroyed() || ended_) return;
  ended_ = true;
  Flush();
  threads_.StopAll();
}

void Scenario::Stop() {
  world_.Shutdown();
  threads_.StopAll();
  program_.reset();
}

}  // namespace

int RunScenario(const ParsedScript& script, const RunOptions& options, std::ostream& out,
                std::ostream& err) {
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
