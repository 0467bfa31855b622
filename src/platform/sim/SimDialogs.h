#pragma once
// The simulated platform's message boxes: answered at once, kept in order.
// As on Windows, where a message box waits for the person, none may be shown
// under the profile lock (the world checks).
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

class SimDialogs final : public Dialogs {
 public:
  explicit SimDialogs(SimWorld& world) : world_(world) {}

  void ShowMessage(std::u16string_view text) override {
    world_.CheckNoWatchedLockHeld("a message box");
    if (duringMessage) duringMessage();
    std::lock_guard g(lock_);
    messages_.emplace_back(text);
  }

  std::vector<std::u16string> Messages() const {
    std::lock_guard g(lock_);
    return messages_;
  }

  // Runs while a message is shown, as other threads would meanwhile.
  std::function<void()> duringMessage;

 private:
  SimWorld& world_;
  mutable std::mutex lock_;
  std::vector<std::u16string> messages_;
};

}  // namespace varkel::sim
