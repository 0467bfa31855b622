#pragma once
// One run: the simulated platform, the program on it and its main window,
// with what the command groups need to drive them and to write the
// transcript.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "HarnessClock.h"
#include "ProgramFolder.h"
#include "QuietShapedWindow.h"
#include "RankedThreads.h"
#include "Recorders.h"
#include "RecordingIni.h"
#include "ScenarioRunner.h"
#include "ScenarioShell.h"
#include "ScenarioWindow.h"
#include "Transcript.h"
#include "app/CZUL_TavrinDlg.h"
#include "app/Program.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableImages.h"
#include "platform/portable/PortableIni.h"
#include "platform/portable/PortablePictures.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimPointerSpeed.h"

namespace varkel::scenario {

class Scenario {
 public:
  Scenario(const RunOptions& options, std::ostream& out, std::ostream& err);
  ~Scenario();
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

  bool SetUp(std::ostream& err);
  // Checks a command's name and number of arguments before anything runs.
  bool Check(const ScriptCommand& c);
  bool Run(const ScriptCommand& c);
  void Flush() { transcript_.Flush(); }

  // Reports a script error on the command's line; returns false.
  bool Fail(const ScriptCommand& c, const std::string& message);
  // One transcript line at the current time.
  void Line(const std::string& text) { recorder_.Line(text); }

  const RunOptions& Options() const { return options_; }
  sim::SimWorld& World() { return world_; }
  ProgramFolder& Folder() { return folder_; }
  Transcript& GetTranscript() { return transcript_; }
  Program& TheProgram() { return *program_; }
  sim::SimMouse& Mouse() { return *mouse_; }
  ScenarioWindow& MainWindow() { return window_; }
  ScenarioShell& Shell() { return shell_; }
  CZUL_TavrinDlg& MainWindowClass() { return *dialog_; }
  bool Started() const { return started_; }
  bool Ended() const { return ended_; }

  // Starts the program as the platform starts its main window: the window
  // class is made and initialised, and start-up runs in its initialisation.
  void StartProgram(bool withMouse);
  // A message to the main window, handled as the platform hands it over;
  // then what it posted itself is delivered, and the world settles.
  MessageResult Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  // Lets virtual time run until the program has read every report the mouse
  // holds for it.
  void DrainReports();
  void DeliverNotices();
  // Destroying the main window ends the process: its threads go with it.
  void EndIfWindowGone();

  // Where the pointer is, in client coordinates of the main window.
  std::int32_t pointerX = 0;
  std::int32_t pointerY = 0;
  // The simulated screen: the main window's client area starts here.
  static constexpr ScreenPoint kClientOrigin{100, 100};
  ScreenPoint PointerOnScreen() const { return {kClientOrigin.x + pointerX, kClientOrigin.y + pointerY}; }

 private:
  void Stop();

  const RunOptions& options_;
  sim::SimWorld world_{sim::SimWorld::Time::Virtual};
  Transcript transcript_;
  std::ostream& err_;
  ProgramFolder folder_;
  HostPaths hostPaths_;
  PortableIni portableIni_;
  RecordingIni ini_;
  PortableFiles files_;
  HarnessClock clock_;
  Recorder recorder_;
  RankedThreads threads_;
  RecordingDialogs dialogs_;
  RecordingRepaint repaint_;
  ScenarioWindow window_;
  ScenarioShell shell_;
  sim::SimInput input_;
  sim::SimPointerSpeed pointerSpeed_;
  PortableImages images_;
  PortablePictures pictures_;
  QuietShapedWindow shapedWindow_;
  std::unique_ptr<sim::SimMouse> mouse_;
  std::vector<DeviceNotice> notices_;
  std::unique_ptr<Platform> platform_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<CZUL_TavrinDlg> dialog_;
  bool started_ = false;
  bool ended_ = false;
};

}  // namespace varkel::scenario
