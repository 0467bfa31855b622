#include "config/ProfileExchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/ProfileStore.h"
#include "platform/portable/PortableIni.h"
#include "platform/sim/ScriptedFileDialogs.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

namespace fs = std::filesystem;
using Answer = sim::ScriptedFileDialogs::Answer;
using namespace std::string_view_literals;

struct CountingRepaint final : RepaintRequests {
  void RepaintWholeWindow() override { ++count; }
  int count = 0;
};

// Every member set, and none to its default.
MouseProfile Distinctive() {
  MouseProfile p;
  p.buttons = {2, 1, 41, 17, 32, 6};
  p.dpiLevel = 2;
  p.wheelStatus = 1;
  p.macroMode = 1;
  p.dpiSet = {3, 1, 4, 2};
  p.dpiSetEnabled = {1, 0, 1, 0};
  p.ledStatus = 3;
  p.dpiSpeed = 17;
  return p;
}

// A program folder C:\Varkel with the shipped config.ini, on real ini files.
struct Installation {
  TempFolder folder;
  HostPaths host{folder.Path()};
  PortableIni ini{host};
  AppPaths paths = MakeAppPaths(u"C:\\Varkel");
  sim::ScriptedFileDialogs dialogs;
  CountingRepaint repaint;
  ProfileModel model;
  ProfileExchangeContext ctx{ini, dialogs, repaint, paths, model};

  Installation() {
    fs::create_directories(host.ToHost(paths.exeDir));
    fs::copy_file(fs::path(VARKEL_SOURCE_DIR) / "skins" / "config.ini", Host(u"config.ini"));
    model.currentProfile = 2;
    model.profile = Distinctive();
  }
  fs::path Host(std::u16string_view name) const { return host.ToHost(JoinPath(paths.exeDir, name)); }
  void WriteFile(std::u16string_view name, const std::string& bytes) const {
    std::ofstream(Host(name), std::ios::binary) << bytes;
  }
  std::string ReadFile(std::u16string_view name) const {
    std::ifstream in(Host(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

TEST(ProfileExchange, DialogsAreTheOnesTheFilesNeed) {
  const AppPaths paths = MakeAppPaths(u"D:\\Games\\Varkel");
  EXPECT_EQ(ImportProfileDialog(paths),
            (FileDialogRequest{FileDialogKind::Open, u"All Files(*.ini)|*.ini||",
                               file_dialog::kReadOnly | file_dialog::kHideReadOnly, u"", u"D:\\Games\\Varkel"}));
  EXPECT_EQ(ExportProfileDialog(paths),
            (FileDialogRequest{FileDialogKind::Save, u"All Files(*.ini)|*.ini||",
                               file_dialog::kHideReadOnly | file_dialog::kOverwritePrompt, u"ini",
                               u"D:\\Games\\Varkel"}));
}

TEST(ProfileExchange, ExportThenImportIntoAFreshInstallationGivesEveryMember) {
  Installation here;
  here.dialogs.Queue(Answer::Save, u"C:\\Varkel\\mine.ini");
  const std::string configBefore = here.ReadFile(u"config.ini");
  ExportProfile(here.ctx);
  EXPECT_EQ(here.repaint.count, 1);
  EXPECT_EQ(here.ReadFile(u"config.ini"), configBefore);
  EXPECT_EQ(here.ReadFile(u"mine.ini").rfind("[Config7]\r\nK1=2\r\n", 0), 0u);

  Installation there;
  fs::copy_file(here.Host(u"mine.ini"), there.Host(u"carried.ini"));
  there.model.profile = {};
  there.dialogs.Queue(Answer::Open, u"C:\\Varkel\\carried.ini");
  const std::string thereConfig = there.ReadFile(u"config.ini");
  ImportProfile(there.ctx);
  EXPECT_EQ(there.model.profile, Distinctive());
  EXPECT_EQ(there.model.dpiKnob, (std::array<std::int32_t, 4>{48, 51, 59, 62}));  // the knobs follow
  EXPECT_EQ(there.repaint.count, 1);
  // Nothing is stored until the user saves or applies.
  EXPECT_EQ(there.model.currentProfile, 2);
  EXPECT_EQ(there.ReadFile(u"config.ini"), thereConfig);
}

TEST(ProfileExchange, ExportIntoAnExistingFileKeepsItsOtherSectionsAndKeys) {
  Installation here;
  here.WriteFile(u"shared.ini",
                 "[Mine]\r\nA=1\r\n[Config7]\r\nK1=9\r\nNOTE=kept\r\nDPI_SPEED=3\r\n[Later]\r\nB=2\r\n");
  here.dialogs.Queue(Answer::Save, u"C:\\Varkel\\shared.ini");
  ExportProfile(here.ctx);
  EXPECT_EQ(here.ReadFile(u"shared.ini"),
            "[Mine]\r\nA=1\r\n[Config7]\r\nK1=2\r\nNOTE=kept\r\nDPI_SPEED=17\r\nK2=1\r\nK3=41\r\nK4=17\r\n"
            "K5=32\r\nK6=6\r\nDPI_LEVEL=2\r\nWHEEL_STATUS=1\r\nMACRO_MODE2=1\r\nDPI_SET1=3\r\n"
            "DPI_SET_EN1=1\r\nDPI_SET2=1\r\nDPI_SET_EN2=0\r\nDPI_SET3=4\r\nDPI_SET_EN3=1\r\nDPI_SET4=2\r\n"
            "DPI_SET_EN4=0\r\nLED_STATUS=3\r\n[Later]\r\nB=2\r\n");
}

TEST(ProfileExchange, CancelledDialogsChangeNothing) {
  for (const bool exporting : {false, true}) {
    SCOPED_TRACE(exporting ? "export" : "import");
    Installation here;
    here.dialogs.Queue(Answer::Cancel);
    if (exporting)
      ExportProfile(here.ctx);
    else
      ImportProfile(here.ctx);
    EXPECT_EQ(here.dialogs.Requests().size(), 1u);
    EXPECT_EQ(here.model.profile, Distinctive());
    EXPECT_EQ(here.repaint.count, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(here.Host(u"")), fs::directory_iterator()), 1);
  }
}

// Loading a file that holds no profile would leave every member 0, button 1
// included: the import refuses it and the working profile stays.
TEST(ProfileExchange, ImportOfAFileWithoutAProfileChangesNothing) {
  struct Case {
    const char* name;
    const char16_t* file;
    std::string_view bytes;  // empty: the file does not exist
  };
  const Case cases[] = {
      {"config.ini itself", u"config.ini", ""},
      {"missing file", u"gone.ini", ""},
      {"not an ini file", u"picture.ini", "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01K1=5\r\n"sv},
      {"empty Config7", u"empty.ini", "[Config7]\r\n[Config1]\r\nK1=5\r\n"},
      {"other keys only", u"other.ini", "[Config7]\r\nNAME=mine\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Installation here;
    if (!c.bytes.empty()) here.WriteFile(c.file, std::string(c.bytes));
    here.dialogs.Queue(Answer::Open, JoinPath(here.paths.exeDir, c.file));
    ImportProfile(here.ctx);
    EXPECT_EQ(here.model.profile, Distinctive());
    EXPECT_EQ(here.repaint.count, 0);
  }
}

TEST(ProfileExchange, ImportOfAPartialProfileTakesWhatIsThereAndZeroForTheRest) {
  Installation here;
  here.WriteFile(u"partial.ini", "[Config7]\r\nK1=1\r\nDPI_SET2=3\r\n");
  here.dialogs.Queue(Answer::Open, u"C:\\Varkel\\partial.ini");
  ImportProfile(here.ctx);
  MouseProfile expected;
  expected.buttons[0] = 1;
  expected.dpiSet[1] = 3;
  EXPECT_EQ(here.model.profile, expected);
  EXPECT_EQ(here.repaint.count, 1);
}

}  // namespace
}  // namespace varkel
