#pragma once
// Worker threads and model operations ask the main window to repaint; they
// never paint themselves.
namespace varkel {

class RepaintRequests {
 public:
  virtual ~RepaintRequests() = default;
  virtual void RepaintWholeWindow() = 0;
};

}  // namespace varkel
