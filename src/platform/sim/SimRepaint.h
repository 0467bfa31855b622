#pragma once
// The simulated platform's repaint requests, counted. A request on Windows
// may be made to wait for the window's thread, so none may be made under
// the profile lock (the world checks).
#include <atomic>

#include "platform/Repaint.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

class SimRepaint final : public RepaintRequests {
 public:
  explicit SimRepaint(SimWorld& world) : world_(world) {}

  void RepaintWholeWindow() override {
    world_.CheckNoWatchedLockHeld("a repaint request");
    ++count;
  }

  std::atomic<int> count{0};

 private:
  SimWorld& world_;
};

}  // namespace varkel::sim
