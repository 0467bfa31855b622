#pragma once
// The main window's own steps of its start-up, which the start-up sequence
// runs in their places. An empty step is left out.
#include <functional>

namespace varkel {

struct MainWindowSteps {
  // The system menu's About item, the icon and the title: a second copy
  // finds the window only from here on.
  std::function<void()> dressWindow;
  // Menu 154, the event list's context menu, loaded and owner-drawn.
  std::function<void()> prepareEventListMenu;
  // The macro page's edit line on the current macro's last step.
  std::function<void()> placeEditLine;
  // Menu 157, the notification-area menu, loaded and owner-drawn.
  std::function<void()> prepareTrayMenu;
};

}  // namespace varkel
