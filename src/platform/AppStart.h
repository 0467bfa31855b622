#pragma once
// What the application's start needs of the system: the single-instance
// handshake, the common controls and the main window's modal run.
#include <string_view>

#include "platform/Window.h"

namespace varkel {

class AppStart {
 public:
  virtual ~AppStart() = default;

  // Creates the named mutex, not owned, and keeps its handle. True when
  // another process had created it first.
  virtual bool CreateInstanceMutex(std::u16string_view name) = 0;
  virtual void CloseInstanceMutex() = 0;

  // The running copy's main window: a top-level window with exactly this
  // title that no other window owns (the program's message boxes carry the
  // same title and are owned by the main window), or 0.
  virtual WindowId FindMainWindow(std::u16string_view title) = 0;
  // Shows the window and brings it back from minimised or hidden.
  virtual void RestoreWindow(WindowId window) = 0;

  virtual void InitCommonControls() = 0;

  // Makes the main window and runs it modally; returns once it is destroyed.
  virtual void RunMainWindow() = 0;
};

}  // namespace varkel
