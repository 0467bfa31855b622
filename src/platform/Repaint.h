#pragma once
// Worker threads and model operations ask the main window to repaint; they
// never paint themselves. Never asked under the profile lock: a request may
// reach the window's thread, and that thread may be waiting for the lock.
namespace varkel {

class RepaintRequests {
 public:
  virtual ~RepaintRequests() = default;
  virtual void RepaintWholeWindow() = 0;
};

}  // namespace varkel
