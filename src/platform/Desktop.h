#pragma once
// What the main window asks of the desktop around it: its notification-area
// icon, the pointer, the foreground, and the icon the system asks it for.
#include <cstdint>

#include "platform/Geometry.h"

namespace varkel {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Adds the program's notification-area icon, calling back to the main
  // window (app/TrayIcon.h). Adding it again still leaves one icon.
  // MainWindowHost::RemoveTrayIcon removes it.
  virtual void AddTrayIcon() = 0;
  virtual ScreenPoint PointerPosition() = 0;
  // The main window becomes the foreground window, hidden or not, so that a
  // popup menu it opens closes when the person clicks elsewhere.
  virtual void BringMainWindowToForeground() = 0;
  // The program's icon as the answer to the system's question which icon to
  // drag for the minimised window.
  virtual std::intptr_t DragIcon() = 0;
};

}  // namespace varkel
