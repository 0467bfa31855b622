#pragma once
// What the device link asks of the main window and the views.
namespace varkel {

// The main window's part in losing the mouse.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual void RemoveTrayIcon() = 0;
  virtual void DestroyMainWindow() = 0;
};

// Starts the run-button blinker thread (the views own it).
class RunButtonBlinker {
 public:
  virtual ~RunButtonBlinker() = default;
  virtual void Start() = 0;
};

}  // namespace varkel
