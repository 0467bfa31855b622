#pragma once
// The desktop around a simulated main window: it counts the icons added and
// the requests for the foreground, and puts the pointer where it is told.
#include "platform/Desktop.h"

namespace varkel::sim {

class SimDesktop final : public Desktop {
 public:
  void AddTrayIcon() override { ++iconsAdded; }
  ScreenPoint PointerPosition() override { return pointer; }
  void BringMainWindowToForeground() override { ++foregroundRequests; }
  std::intptr_t DragIcon() override { return 0; }

  int iconsAdded = 0;
  int foregroundRequests = 0;
  ScreenPoint pointer;
};

}  // namespace varkel::sim
