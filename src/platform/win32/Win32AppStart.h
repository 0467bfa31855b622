#pragma once
// The application's start on Windows: the instance mutex, finding the
// running copy by its title, the common controls, the main window's run.
#include <windows.h>

#include <functional>

#include "platform/AppStart.h"

namespace varkel::win32 {

// The running executable's full path, as the system gives it into 260 characters.
std::u16string RunningExecutablePath();

// The top-level window with exactly this title that no window owns: the
// program's main window, not one of its message boxes, which carry the
// same title. Also what the recording hook looks for.
HWND FindMainWindow(std::u16string_view title);

class Win32AppStart final : public AppStart {
 public:
  explicit Win32AppStart(std::function<void()> runMainWindow) : runMainWindow_(std::move(runMainWindow)) {}

  bool CreateInstanceMutex(std::u16string_view name) override;
  void CloseInstanceMutex() override;
  WindowId FindMainWindow(std::u16string_view title) override;
  void RestoreWindow(WindowId window) override;
  void InitCommonControls() override;
  void RunMainWindow() override { runMainWindow_(); }

 private:
  std::function<void()> runMainWindow_;
  HANDLE mutex_ = nullptr;
};

}  // namespace varkel::win32
