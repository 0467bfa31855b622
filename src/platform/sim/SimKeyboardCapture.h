#pragma once
// The recording hook of the simulated platform. While installed, a key event
// of the desktop is posted to the main window and taken from everyone else.
#include <cstdint>
#include <functional>

#include "platform/KeyboardCapture.h"
#include "platform/Window.h"

namespace varkel::sim {

class SimKeyboardCapture final : public KeyboardCapture {
 public:
  void Install() override {
    if (installed_ || refuse) return;
    installed_ = true;
    if (onChange) onChange(true);
  }
  void Remove() override {
    if (!installed_) return;
    installed_ = false;
    if (onChange) onChange(false);
  }
  bool Installed() const override { return installed_; }

  // A key event (its message kind and virtual key): true when the capture
  // took it, having posted it to `post` as a message for `target`.
  bool Capture(std::uint32_t kind, std::uint8_t virtualKey) {
    if (!installed_) return false;
    if (post) post({target, kind, virtualKey, 0});
    return true;
  }

  WindowId target = 0;
  std::function<void(const WindowMessage&)> post;
  std::function<void(bool installed)> onChange;
  bool refuse = false;  // the system refuses the hook

 private:
  bool installed_ = false;
};

}  // namespace varkel::sim
