// start, apply, save, profile, set, close, state: the program as a whole and
// its working profile.
#include <functional>
#include <mutex>

#include "Commands.h"
#include "Scenario.h"
#include "ScriptText.h"
#include "config/ProfileEdits.h"
#include "platform/Messages.h"

namespace varkel::scenario {
namespace {

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
    fields.push_back({"K" + std::to_string(b + 1), [b](ProfileModel& m, std::int32_t v) { m.profile.buttons[b] = v; }});
  }
  fields.push_back({"DPI_LEVEL", [](ProfileModel& m, std::int32_t v) { m.profile.dpiLevel = v; }});
  fields.push_back({"WHEEL_STATUS", [](ProfileModel& m, std::int32_t v) { m.profile.wheelStatus = v; }});
  fields.push_back({"MACRO_MODE2", [](ProfileModel& m, std::int32_t v) { m.profile.macroMode = v; }});
  for (int k = 0; k < kDpiLevelCount; ++k) {
    fields.push_back({"DPI_SET" + std::to_string(k + 1), [k](ProfileModel& m, std::int32_t v) {
                        SetDpiValue(m, k, static_cast<std::uint8_t>(v));
                      }});
    fields.push_back({"DPI_SET_EN" + std::to_string(k + 1),
                      [k](ProfileModel& m, std::int32_t v) { m.profile.dpiSetEnabled[k] = v != 0; }});
  }
  fields.push_back(
      {"LED_STATUS", [](ProfileModel& m, std::int32_t v) { m.profile.ledStatus = static_cast<std::uint8_t>(v); }});
  fields.push_back(
      {"DPI_SPEED", [](ProfileModel& m, std::int32_t v) { m.profile.dpiSpeed = static_cast<std::uint8_t>(v); }});
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

bool Start(Scenario& s, const ScriptCommand& c) {
  if (s.Started()) return s.Fail(c, "the program runs already");
  if (!c.args.empty() && c.args[0] != "nomouse") return s.Fail(c, "the only option is nomouse");
  s.StartProgram(c.args.empty());
  return true;
}

bool Apply(Scenario& s, const ScriptCommand&) {
  s.TheProgram().Apply();
  s.World().Settle();
  return true;
}

bool Save(Scenario& s, const ScriptCommand&) {
  s.TheProgram().SaveCurrentProfile();
  s.World().Settle();
  return true;
}

bool Profile(Scenario& s, const ScriptCommand& c) {
  std::int32_t n = 0;
  if (!ParseInt32(c.args[0], n)) return s.Fail(c, "not a number");
  s.TheProgram().ChooseProfile(n);
  s.World().Settle();
  return true;
}

bool Set(Scenario& s, const ScriptCommand& c) {
  std::int32_t v = 0;
  if (!ParseInt32(c.args[1], v)) return s.Fail(c, "not a number");
  const ProfileField* field = FindProfileField(c.args[0]);
  if (!field) return s.Fail(c, "no such field");
  {
    std::lock_guard guard(s.TheProgram().model.lock);
    field->set(s.TheProgram().model, v);
  }
  s.World().Settle();
  return true;
}

// As the system's close (Alt+F4): the window's close message.
bool Close(Scenario& s, const ScriptCommand&) {
  s.Send(msg::kClose, 0, 0);
  return true;
}

bool State(Scenario& s, const ScriptCommand&) {
  Program& program = s.TheProgram();
  const DriverStatus& st = program.status;
  s.Line("driverRunning=" + std::to_string(st.driverRunning.load()));
  s.Line("runButton=" + std::to_string(st.runButton.load()));
  s.Line("buttonPressed=" + std::to_string(st.buttonPressed.load()));
  s.Line("pressedCode=" + Hex2(st.pressedCode.load()));
  s.Line("stopRequested=" + std::to_string(st.stopRequested.load()));
  s.Line("blinkPhase=" + std::to_string(st.blinkPhase.load()));
  s.Line("applyStartedBlinker=" + std::to_string(st.applyStartedBlinker.load()));
  s.Line("blinkerAlive=" + std::to_string(st.blinkerAlive.load()));
  s.Line("deviceFound=" + std::to_string(program.link.deviceFound.load()));
  std::lock_guard guard(program.model.lock);
  const ProfileModel& m = program.model;
  const MouseProfile& p = m.profile;
  s.Line("currentProfile=" + std::to_string(m.currentProfile));
  s.Line("buttons=" + Joined(p.buttons));
  s.Line("dpiLevel=" + std::to_string(p.dpiLevel));
  s.Line("wheelStatus=" + std::to_string(p.wheelStatus));
  s.Line("macroMode=" + std::to_string(p.macroMode));
  s.Line("dpiSet=" + Joined(p.dpiSet));
  s.Line("dpiSetEnabled=" + Joined(p.dpiSetEnabled));
  s.Line("ledStatus=" + std::to_string(p.ledStatus));
  s.Line("dpiSpeed=" + std::to_string(p.dpiSpeed));
  s.Line("appliedDpiSet=" + Joined(m.appliedDpiSet));
  s.Line("appliedLedStatus=" + std::to_string(m.appliedLedStatus));
  s.Line("appliedPointerSpeed=" + std::to_string(m.appliedPointerSpeed));
  s.Line("dpiStepOfButton=" + Joined(m.dpiStepOfButton));
  return true;
}

}  // namespace

void AddProgramCommands(Commands& commands) {
  commands.Add({"start", 0, 1, false, true, Start});
  commands.Add({"apply", 0, 0, true, false, Apply});
  commands.Add({"save", 0, 0, true, false, Save});
  commands.Add({"profile", 1, 1, true, false, Profile});
  commands.Add({"set", 2, 2, true, false, Set});
  commands.Add({"close", 0, 0, true, false, Close});
  commands.Add({"state", 0, 0, true, true, State});
}

}  // namespace varkel::scenario
