#pragma once
// The device link on the simulated mouse, with recording stand-ins for the
// window, the files and the views.
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "device/ApplyProfile.h"
#include "device/FindDevice.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimPointerSpeed.h"
#include "platform/sim/SimRepaint.h"

namespace varkel::testing {

struct MemoryIni final : IniFiles {
  std::u16string Read(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                      std::size_t capacity, std::u16string_view def) override {
    auto it = values.find({std::u16string(path), std::u16string(section), std::u16string(key)});
    std::u16string v(it == values.end() ? def : std::u16string_view(it->second));
    return capacity == 0 ? u"" : v.substr(0, capacity - 1);
  }
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    values[{std::u16string(path), std::u16string(section), std::u16string(key)}] = std::u16string(value);
    sectionsWritten.emplace_back(section);
  }
  std::u16string Get(std::u16string_view section, std::u16string_view key) {
    return Read(u"C:\\Varkel\\config.ini", section, key, 64, u"<none>");
  }
  std::map<std::tuple<std::u16string, std::u16string, std::u16string>, std::u16string> values;
  std::vector<std::u16string> sectionsWritten;
};

struct CountingBlinker final : RunButtonBlinker {
  void Start() override { ++starts; }
  std::atomic<int> starts{0};
};

// Codes 1, 2, 3, 5, 4, 6; wheel 0; level 0; DPI values 1, 2, 4, 0 all
// enabled; LED 0; pointer option 10.
inline MouseProfile DefaultProfile() {
  MouseProfile p;
  p.buttons = {1, 2, 3, 5, 4, 6};
  p.dpiSet = {1, 2, 4, 0};
  p.dpiSetEnabled = {1, 1, 1, 1};
  p.dpiSpeed = 10;
  return p;
}

// "07 10 01 01": the four data bytes of a report.
inline std::string Head(const std::vector<std::uint8_t>& bytes) {
  std::string s;
  for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) {
    char b[4];
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
    s += b;
  }
  return s;
}

struct DeviceRig {
  explicit DeviceRig(sim::SimMouse::Interfaces interfaces = sim::SimMouse::StandardInterfaces(),
                     sim::SimWorld::Time time = sim::SimWorld::Time::Virtual)
      : world(time), mouse(world, std::move(interfaces)) {
    FindDevice(mouse, link);
    model.profile = DefaultProfile();
    model.currentProfile = 1;
    // Nothing that waits for the interface thread under the profile lock.
    world.WatchLock(model.lock);
    world.OnWatchedLockHeld([](const std::string& call) { ADD_FAILURE() << call << " under the profile lock"; });
  }

  // The data bytes of every report the mouse took; each must be zero past them.
  std::vector<std::string> Reports() const {
    std::vector<std::string> heads;
    for (const auto& r : mouse.FeatureReports()) {
      for (std::size_t i = 4; i < r.bytes.size(); ++i) {
        if (r.bytes[i] != 0) heads.push_back("padding not zero");
      }
      heads.push_back(Head(r.bytes));
    }
    return heads;
  }

  sim::SimWorld world;
  sim::SimMouse mouse;
  DeviceLink link;
  DriverStatus status;
  ProfileModel model;
  MemoryIni ini;
  AppPaths paths = MakeAppPaths(u"C:\\Varkel");
  sim::SimDialogs dialogs{world};
  sim::SimRepaint repaint{world};
  sim::SimPointerSpeed pointerSpeed{world, 10};
  CountingBlinker blinker;
  DeviceContext ctx{link, status, model, ini, paths, dialogs, repaint, pointerSpeed, blinker};
};

}  // namespace varkel::testing
