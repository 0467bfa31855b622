#pragma once
// Input synthesis and the shell on Windows.
#include "platform/Input.h"

namespace varkel::win32 {

class Win32Input final : public DesktopInput {
 public:
  void SendKey(const KeyEvent& key) override;
  void SendMouseButton(MouseButton button, bool down) override;
  std::uint32_t ScanCodeOf(std::uint8_t virtualKey) override;
  void OpenComputerFolder() override;
  void LockWorkstation() override;
  void StartProgram(std::string_view commandLine) override;
};

}  // namespace varkel::win32
