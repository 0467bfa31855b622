#pragma once
// The recording hook: a low-level keyboard hook for the whole desktop, run
// on the thread that installs it while that thread waits for messages. It
// posts each key event to the window titled as the main window and
// swallows it.
#include <windows.h>

#include "platform/KeyboardCapture.h"

namespace varkel::win32 {

class Win32KeyboardCapture final : public KeyboardCapture {
 public:
  Win32KeyboardCapture() = default;
  Win32KeyboardCapture(const Win32KeyboardCapture&) = delete;
  Win32KeyboardCapture& operator=(const Win32KeyboardCapture&) = delete;
  ~Win32KeyboardCapture() override { Remove(); }

  void Install() override;
  void Remove() override;
  bool Installed() const override { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM kind, LPARAM event);
  HHOOK hook_ = nullptr;
};

}  // namespace varkel::win32
