#include "app/RestoreDefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/ProfileStore.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableIni.h"
#include "unit/device/DeviceRig.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// The shipped program folder on real files, a user's own macro in Macro.dat,
// the simulated mouse, and a working profile that differs from every default.
struct RestoreDefaultsTest : ::testing::Test {
  TempFolder folder;
  HostPaths host{folder.Path()};
  PortableIni ini{host};
  PortableFiles files{host};
  testing::DeviceRig rig;
  DeviceContext device{rig.link,         rig.status,       rig.model, ini, rig.paths, rig.dialogs, rig.repaint,
                       rig.pointerSpeed, rig.blinker};
  MacroFileContext macroFiles{ini, files, rig.dialogs};
  MacroTable macros;

  RestoreDefaultsTest() {
    const fs::path source(VARKEL_SOURCE_DIR);
    fs::create_directories(Host(rig.paths.skinDir));
    fs::copy_file(source / "skins" / "config.ini", Host(rig.paths.configPath));
    fs::copy_file(source / "skins" / "default" / "defMacro.dat", Host(DefaultMacros()));
    macros.macros[0].name = {u'm', u'i', u'n', u'e'};
    macros.macros[0].repeatCount = 1;
    macros.macroCount = 1;
    SaveMacros(ini, rig.paths.macroPath, macros);

    MouseProfile& p = rig.model.profile;
    p.buttons = {2, 1, 41, 17, 32, 26};
    p.dpiLevel = 3;
    p.wheelStatus = 1;
    p.macroMode = 1;
    p.dpiSet = {3, 3, 3, 3};
    p.dpiSetEnabled = {0, 0, 0, 1};
    p.ledStatus = 2;
    p.dpiSpeed = 7;
  }

  fs::path Host(std::u16string_view path) const { return host.ToHost(path); }
  std::u16string DefaultMacros() const { return JoinPath(rig.paths.skinDir, kDefaultMacroFile); }
  MouseProfile Stored(std::int32_t number, bool fromDefaults = false) {
    ProfileModel m;
    LoadProfile(ini, rig.paths.configPath, number, fromDefaults, m);
    return m.profile;
  }
  std::u16string CurConfig() { return ini.Read(rig.paths.configPath, u"Init", u"CurConfig", 16); }
  struct Macros {
    int count;
    std::array<Macro, kMacroSlots> macros;
  };
  Macros Loaded(std::u16string_view path) {
    MacroTable table;
    LoadMacros(macroFiles, path, table);
    return {table.macroCount, table.macros};
  }
  void Restore(const std::function<void()>& refreshMacroPage = {}) {
    RestoreDefaults(device, macroFiles, macros, refreshMacroPage);
  }
};

TEST_F(RestoreDefaultsTest, WithProfileOneTheMouseGetsTheBuiltInDefaults) {
  rig.model.currentProfile = 1;
  ini.Write(rig.paths.configPath, u"Init", u"CurConfig", u"1");
  Restore();

  EXPECT_EQ(rig.Reports(), (Strings{"07 10 01 01", "07 10 02 02", "07 10 03 03", "07 10 05 05", "07 10 04 04",
                                    "07 10 06 1F", "07 11 00 00", "07 09 00 90"}));
  // Button 6 carries a function the program performs: the driver waits for its click.
  EXPECT_FALSE(rig.status.driverRunning);
  EXPECT_EQ(rig.status.runButton, 6);

  // Profile 1 keeps the macro mode and pointer option the working profile had.
  MouseProfile expected = testing::DefaultProfile();
  expected.macroMode = 1;
  expected.dpiSpeed = 7;
  EXPECT_EQ(rig.model.profile, expected);
  EXPECT_EQ(Stored(1), expected);
  EXPECT_EQ(Stored(6), expected);  // the last applied configuration
  EXPECT_EQ(rig.model.appliedDpiSet, (std::array<std::uint8_t, 4>{1, 2, 4, 0}));
  EXPECT_EQ(rig.model.dpiKnob, (std::array<std::int32_t, 4>{46, 52, 59, 60}));
  for (std::int32_t n = 2; n <= 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(Stored(n), Stored(n, true));
  }
  EXPECT_EQ(CurConfig(), u"1");
}

TEST_F(RestoreDefaultsTest, WithProfileThreeTheWorkingProfileIsItsDefaults) {
  rig.model.currentProfile = 3;
  ini.Write(rig.paths.configPath, u"Config3", u"K4", u"2");  // the user's own setting
  ini.Write(rig.paths.configPath, u"Init", u"CurConfig", u"3");
  Restore();

  const MouseProfile defaults3 = Stored(3, true);
  EXPECT_EQ(defaults3.buttons[3], 45);
  EXPECT_EQ(rig.model.profile, defaults3);
  EXPECT_EQ(Stored(3), defaults3);
  EXPECT_EQ(Stored(6), defaults3);
  EXPECT_EQ(CurConfig(), u"3");
  // Profile 1 took the macro mode and pointer option of the working profile
  // as it was before the restore, not those of profile 3.
  EXPECT_EQ(Stored(1).macroMode, 1);
  EXPECT_EQ(Stored(1).dpiSpeed, 7);
  EXPECT_EQ(rig.Reports()[3], "07 10 05 1F");  // button 4 plays a macro
}

TEST_F(RestoreDefaultsTest, MacrosAreReplacedByTheDefaultsAndSaved) {
  rig.model.currentProfile = 1;
  int refreshes = 0;
  Restore([&] {
    ++refreshes;
    // The page lists the defaults before Macro.dat is written.
    EXPECT_EQ(macros.macros, Loaded(DefaultMacros()).macros);
    EXPECT_EQ(Loaded(rig.paths.macroPath).count, 1);
  });
  EXPECT_EQ(refreshes, 1);
  const Macros shipped = Loaded(DefaultMacros());
  EXPECT_GT(shipped.count, 1);
  EXPECT_EQ(macros.macroCount, shipped.count);
  EXPECT_EQ(macros.macros, shipped.macros);
  EXPECT_EQ(Loaded(rig.paths.macroPath).macros, shipped.macros);
  EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST_F(RestoreDefaultsTest, MissingDefaultMacroFileSaysSoAndLeavesNoMacros) {
  rig.model.currentProfile = 1;
  fs::remove(Host(DefaultMacros()));
  Restore();
  EXPECT_EQ(rig.dialogs.messages, std::vector<std::u16string>{u"找不到配置文件"});
  EXPECT_EQ(macros.macroCount, 0);
  EXPECT_EQ(ini.Read(rig.paths.macroPath, u"Macros", u"macroNum", 8), u"0");
  EXPECT_EQ(rig.Reports().size(), 8u);  // the profile is restored and applied all the same
}

// Without its defaults a profile would be stored all zero, button 1 included:
// it keeps what it had instead, and the others are restored.
TEST_F(RestoreDefaultsTest, ProfileWithoutItsDefaultsKeepsWhatItHas) {
  const fs::path config = Host(rig.paths.configPath);
  std::ifstream in(config, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  const auto from = text.find("[CfgReset4]");
  const auto to = text.find("[CfgReset5]");
  ASSERT_NE(from, std::string::npos);
  text.erase(from, to - from);
  std::ofstream(config, std::ios::binary) << text;

  rig.model.currentProfile = 4;
  const MouseProfile own4 = Stored(4);
  Restore();
  EXPECT_EQ(Stored(4), own4);
  EXPECT_EQ(rig.model.profile, own4);
  EXPECT_EQ(Stored(5), Stored(5, true));
  EXPECT_EQ(Stored(3), Stored(3, true));
}

}  // namespace
}  // namespace varkel
