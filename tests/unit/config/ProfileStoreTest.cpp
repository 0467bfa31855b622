#include "config/ProfileStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/portable/HostPaths.h"
#include "platform/portable/PortableIni.h"

namespace varkel {
namespace {

namespace fs = std::filesystem;

constexpr std::u16string_view kFile = u"C:\\Varkel\\config.ini";

// A program folder C:\Varkel in a fresh temporary root (its own per run, as
// several test runs may share the machine), with real ini access.
class ProfileStoreTest : public testing::Test {
 protected:
  ProfileStoreTest()
      : root_(fs::temp_directory_path() /
              ("varkel-profile-store-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
               std::to_string(std::random_device{}()))),
        hostPaths_(root_),
        ini_(hostPaths_),
        paths_(MakeAppPaths(u"C:\\Varkel")) {
    fs::create_directories(root_ / "C" / "Varkel");
  }
  ~ProfileStoreTest() override {
    std::error_code error;
    fs::remove_all(root_, error);
  }

  fs::path HostFile() const { return hostPaths_.ToHost(kFile); }

  void SetFileText(const std::string& text) {
    std::ofstream(HostFile(), std::ios::binary) << text;
  }
  std::string FileText() const {
    std::ifstream in(HostFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path root_;
  HostPaths hostPaths_;
  PortableIni ini_;
  AppPaths paths_;
};

// Lines joined with CRLF, as the profile functions write them.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

MouseProfile DefaultLikeProfile() {
  MouseProfile profile;
  profile.buttons = {1, 2, 3, 5, 4, 6};
  profile.dpiSet = {1, 2, 4, 0};
  profile.dpiSetEnabled = {1, 1, 1, 1};
  profile.dpiSpeed = 10;
  return profile;
}

TEST_F(ProfileStoreTest, SaveThenLoadReproducesEveryMember) {
  const std::vector<ButtonFunction> codes = {0,  1,  2,  3,  4,  5,  6,  11, 12, 13, 14, 15, 16,
                                             17, 18, 21, 22, 23, 24, 25, 26, 31, 32, 33, 34, 35,
                                             36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
                                             49, 50, 51, 52};
  // Every code on some button, both values of every flag, and the edges of
  // the numbers an 8-bit member writes in every 8-bit member.
  const std::uint8_t bytes[] = {0, 1, 2, 3, 4, 8, 9, 10, 99, 100, 127, 128, 200, 254, 255};
  std::size_t nextByte = 0;
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    ProfileModel saved;
    MouseProfile& p = saved.profile;
    for (int b = 0; b < kButtonCount; ++b) p.buttons[b] = codes[(6 * i + b) % codes.size()];
    p.dpiLevel = i % 4;
    p.wheelStatus = i % 2;
    p.macroMode = (i / 2) % 2;
    const int flags = (i * 5) % 16;
    const auto byte = [&] { return bytes[nextByte++ % std::size(bytes)]; };
    for (int k = 0; k < kDpiLevelCount; ++k) {
      p.dpiSet[k] = byte();
      p.dpiSetEnabled[k] = (flags >> k) & 1;
    }
    p.ledStatus = byte();
    p.dpiSpeed = byte();
    SaveProfile(ini_, kFile, 2, saved);

    ProfileModel loaded;
    LoadProfile(ini_, kFile, 2, false, loaded);
    ASSERT_EQ(loaded.profile, p);
    for (int k = 0; k < kDpiLevelCount; ++k) EXPECT_EQ(loaded.dpiKnob[k], 45 + 5 * k + p.dpiSet[k]);
  }
}

TEST_F(ProfileStoreTest, SaveAppendsAMissingSectionWithItsKeysInOrder) {
  SetFileText(Lines({"[Init]", "CurConfig=3"}));
  ProfileModel model;
  model.profile = DefaultLikeProfile();
  SaveProfile(ini_, kFile, 3, model);
  EXPECT_EQ(FileText(), Lines({"[Init]", "CurConfig=3", "[Config3]", "K1=1", "K2=2", "K3=3",
                               "K4=5", "K5=4", "K6=6", "DPI_LEVEL=0", "WHEEL_STATUS=0",
                               "MACRO_MODE2=0", "DPI_SET1=1", "DPI_SET_EN1=1", "DPI_SET2=2",
                               "DPI_SET_EN2=1", "DPI_SET3=4", "DPI_SET_EN3=1", "DPI_SET4=0",
                               "DPI_SET_EN4=1", "LED_STATUS=0", "DPI_SPEED=10"}));
}

TEST_F(ProfileStoreTest, SaveChangesAnExistingSectionInPlace) {
  SetFileText(Lines({"[Config3]", "DPI_SPEED=8", "OWN_KEY=keep me", "K1=9", "K2=9", "K3=9",
                     "K4=9", "K5=9", "K6=9", "DPI_LEVEL=3", "WHEEL_STATUS=1", "MACRO_MODE2=1",
                     "DPI_SET1=0", "DPI_SET_EN1=0", "DPI_SET2=0", "DPI_SET_EN2=0", "DPI_SET3=0",
                     "DPI_SET_EN3=0", "DPI_SET4=0", "DPI_SET_EN4=0", "[CfgReset3]", "K1=7",
                     "[Config4]", "K1=8"}));
  ProfileModel model;
  model.profile = DefaultLikeProfile();
  SaveProfile(ini_, kFile, 3, model);
  // LED_STATUS was missing: it goes after the section's last key.
  EXPECT_EQ(FileText(),
            Lines({"[Config3]", "DPI_SPEED=10", "OWN_KEY=keep me", "K1=1", "K2=2", "K3=3", "K4=5",
                   "K5=4", "K6=6", "DPI_LEVEL=0", "WHEEL_STATUS=0", "MACRO_MODE2=0",
                   "DPI_SET1=1", "DPI_SET_EN1=1", "DPI_SET2=2", "DPI_SET_EN2=1", "DPI_SET3=4",
                   "DPI_SET_EN3=1", "DPI_SET4=0", "DPI_SET_EN4=1", "LED_STATUS=0", "[CfgReset3]",
                   "K1=7", "[Config4]", "K1=8"}));
}

TEST_F(ProfileStoreTest, LoadConvertsStoredText) {
  SetFileText(Lines({"[Config5]", "K1=12345", "K2= -7", "K4=abc", "K5=+18x", "K6=",
                     "DPI_LEVEL=7", "WHEEL_STATUS=-1", "MACRO_MODE2=99999",
                     "DPI_SET1=300", "DPI_SET_EN1=0", "DPI_SET2=-1", "DPI_SET_EN2=7",
                     "DPI_SET3=123456789012", "DPI_SET_EN3=-3", "DPI_SET4=4",
                     "DPI_SET_EN4=0000000001", "LED_STATUS=-1", "DPI_SPEED=9999"}));
  ProfileModel model;
  model.profile.buttons[2] = 55;  // K3 is missing: it must become 0, not stay
  LoadProfile(ini_, kFile, 5, false, model);
  const MouseProfile& p = model.profile;
  EXPECT_EQ(p.buttons, (std::array<ButtonFunction, 6>{1234, -7, 0, 0, 18, 0}));
  EXPECT_EQ(p.dpiLevel, 7);          // kept as stored: users go through DpiLevelIndex
  EXPECT_EQ(p.wheelStatus, -1);
  EXPECT_EQ(p.macroMode, 9999);      // four characters
  EXPECT_EQ(p.dpiSet, (std::array<std::uint8_t, 4>{44, 255, 0x15, 4}));  // 123456789 & 0xFF
  EXPECT_EQ(model.dpiKnob, (std::array<std::int32_t, 4>{45 + 44, 50 + 255, 55 + 0x15, 60 + 4}));
  // "0000000001" is cut to nine zeros.
  EXPECT_EQ(p.dpiSetEnabled, (std::array<std::uint8_t, 4>{0, 1, 1, 0}));
  EXPECT_EQ(p.ledStatus, 255);
  EXPECT_EQ(p.dpiSpeed, 9999 & 0xFF);
}

TEST_F(ProfileStoreTest, AnEnableFlagIsSavedBackAsOne) {
  SetFileText(Lines({"[Config2]", "DPI_SET_EN2=5"}));
  ProfileModel model;
  LoadProfile(ini_, kFile, 2, false, model);
  SaveProfile(ini_, kFile, 2, model);
  EXPECT_NE(FileText().find("\r\nDPI_SET_EN2=1\r\n"), std::string::npos) << FileText();
}

TEST_F(ProfileStoreTest, LoadReadsDefaultsOnlyWhenAsked) {
  SetFileText(Lines({"[Config3]", "K1=31", "[CfgReset3]", "K1=22"}));
  ProfileModel model;
  LoadProfile(ini_, kFile, 3, true, model);
  EXPECT_EQ(model.profile.buttons[0], 22);
  LoadProfile(ini_, kFile, 3, false, model);
  EXPECT_EQ(model.profile.buttons[0], 31);
}

TEST_F(ProfileStoreTest, LoadLeavesTheValuesBesideTheProfileAlone) {
  SetFileText(Lines({"[Config1]", "K1=1"}));
  ProfileModel model;
  model.currentProfile = 4;
  model.appliedDpiSet = {1, 2, 3, 4};
  model.appliedLedStatus = 2;
  model.appliedPointerSpeed = 9;
  model.dpiStepOfButton = {0, 0, 0, 0, 0, 2};
  LoadProfile(ini_, kFile, 1, false, model);
  EXPECT_EQ(model.currentProfile, 4);
  EXPECT_EQ(model.appliedDpiSet, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(model.appliedLedStatus, 2);
  EXPECT_EQ(model.appliedPointerSpeed, 9);
  EXPECT_EQ(model.dpiStepOfButton, (std::array<std::int32_t, 6>{0, 0, 0, 0, 0, 2}));
}

TEST_F(ProfileStoreTest, SaveDpiLevelChangesOnlyThatLine) {
  const std::string before = Lines({"[Config6]", "K1=1", "DPI_LEVEL=0", "DPI_SET1=2",
                                    "[Config2]", "DPI_LEVEL=1"});
  SetFileText(before);
  ProfileModel model;
  model.profile = DefaultLikeProfile();
  model.profile.dpiLevel = 3;
  SaveDpiLevel(ini_, kFile, 6, model);
  EXPECT_EQ(FileText(), Lines({"[Config6]", "K1=1", "DPI_LEVEL=3", "DPI_SET1=2", "[Config2]",
                               "DPI_LEVEL=1"}));
}

TEST_F(ProfileStoreTest, CurrentProfileComesFromInit) {
  struct Case {
    const char* what;
    std::string file;
    std::int32_t currentProfile;
    ButtonFunction button1;
  };
  const Case cases[] = {
      {"a stored number", Lines({"[Init]", "CurConfig=3", "[Config3]", "K1=33"}), 3, 33},
      {"cut to four characters", Lines({"[Init]", "CurConfig=12345", "[Config1234]", "K1=34",
                                        "[Config12345]", "K1=35"}),
       1234, 34},
      {"missing key", Lines({"[Config0]", "K1=36"}), 0, 36},
      {"missing file", "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(HostFile());
    if (!c.file.empty()) SetFileText(c.file);
    ProfileModel model;
    model.profile = DefaultLikeProfile();
    LoadCurrentProfile(ini_, paths_, model);
    EXPECT_EQ(model.currentProfile, c.currentProfile);
    EXPECT_EQ(model.profile.buttons[0], c.button1);
    EXPECT_EQ(model.profile.dpiSpeed, 0);  // everything else came from the file too
  }
}

TEST_F(ProfileStoreTest, CurrentProfileNumberIsWrittenToInit) {
  SetFileText(Lines({"[Init]", "CurConfig=1", "[Config1]", "K1=1"}));
  ProfileModel model;
  model.currentProfile = 5;
  SaveCurrentProfileNumber(ini_, paths_, model);
  EXPECT_EQ(FileText(), Lines({"[Init]", "CurConfig=5", "[Config1]", "K1=1"}));
}

}  // namespace
}  // namespace varkel
