#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/CZUL_TavrinApp.h"

namespace varkel {
namespace {

// Keeps the calls in order; the mutex and the running copy's window (a
// one-digit id) are what the case says.
class RecordingAppStart final : public AppStart {
 public:
  RecordingAppStart(bool mutexExists, WindowId runningWindow)
      : mutexExists_(mutexExists), runningWindow_(runningWindow) {}

  bool CreateInstanceMutex(std::u16string_view name) override {
    calls.push_back(u"mutex " + std::u16string(name));
    return mutexExists_;
  }
  void CloseInstanceMutex() override { calls.push_back(u"close mutex"); }
  WindowId FindMainWindow(std::u16string_view title) override {
    calls.push_back(u"find " + std::u16string(title));
    return runningWindow_;
  }
  void RestoreWindow(WindowId window) override { calls.push_back(u"restore " + std::u16string(1, static_cast<char16_t>(u'0' + window))); }
  void InitCommonControls() override { calls.push_back(u"common controls"); }
  void RunMainWindow() override { calls.push_back(u"run main window"); }

  std::vector<std::u16string> calls;

 private:
  bool mutexExists_;
  WindowId runningWindow_;
};

TEST(AppStart, OnlyOneCopyRuns) {
  struct Case {
    const char* name;
    bool mutexExists;
    WindowId runningWindow;
    std::vector<std::u16string> calls;
  };
  const Case cases[] = {
      // The first copy keeps the mutex open for its whole life.
      {"first copy", false, 0, {u"mutex CZUL_TavrinApp", u"common controls", u"run main window"}},
      {"second copy restores the first",
       true,
       7,
       {u"mutex CZUL_TavrinApp", u"find Varkel游戏鼠", u"restore 7", u"close mutex"}},
      // The first copy has no title yet: nothing is shown and the copy still ends.
      {"second copy, no window yet", true, 0, {u"mutex CZUL_TavrinApp", u"find Varkel游戏鼠", u"close mutex"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingAppStart system(c.mutexExists, c.runningWindow);
    CZUL_TavrinApp app(u"C:\\Games\\Varkel\\Varkel游戏鼠.exe");
    EXPECT_FALSE(app.InitInstance(system));
    EXPECT_EQ(system.calls, c.calls);
  }
}

TEST(AppStart, RecordsTheExecutablesFolder) {
  EXPECT_EQ(CZUL_TavrinApp(u"C:\\Games\\Varkel\\Varkel游戏鼠.exe").ExeDir(), u"C:\\Games\\Varkel");
  EXPECT_EQ(CZUL_TavrinApp(u"C:\\x.exe").ExeDir(), u"C:");
}

}  // namespace
}  // namespace varkel
