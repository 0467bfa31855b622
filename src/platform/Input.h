#pragma once
// What the software driver does to the desktop: synthesised key and mouse
// button events, and the shell actions of the single-action functions.
#include <cstdint>
#include <string_view>

namespace varkel {

struct KeyEvent {
  std::uint8_t virtualKey = 0;
  std::uint8_t scanCode = 0;
  bool extended = false;
  bool keyUp = false;
  bool operator==(const KeyEvent&) const = default;
};

enum class MouseButton { Left, Right, Middle };

class DesktopInput {
 public:
  virtual ~DesktopInput() = default;
  virtual void SendKey(const KeyEvent& key) = 0;
  virtual void SendMouseButton(MouseButton button, bool down) = 0;
  // The scan code the keyboard layout gives a virtual key; 0 when none.
  virtual std::uint32_t ScanCodeOf(std::uint8_t virtualKey) = 0;
  virtual void OpenComputerFolder() = 0;
  virtual void LockWorkstation() = 0;
  // Starts a program by command line, its window shown.
  virtual void StartProgram(std::string_view commandLine) = 0;
};

}  // namespace varkel
