#pragma once
// Taking the whole desktop's keyboard while a macro is recorded: while the
// capture is installed, every key event goes to the main window as a posted
// key message (the event's kind, wParam its virtual key, lParam 0) and to no
// other window, the main window included.
namespace varkel {

class KeyboardCapture {
 public:
  virtual ~KeyboardCapture() = default;
  // A capture the system refuses stays uninstalled; nobody is told.
  virtual void Install() = 0;
  virtual void Remove() = 0;
  virtual bool Installed() const = 0;
};

}  // namespace varkel
