#include "platform/win32/dialog/Win32DialogHost.h"

#include <memory>

#include "platform/win32/dialog/DialogWindow.h"

namespace varkel::win32 {
namespace {

HWND HandleOf(Window* window) { return window ? reinterpret_cast<HWND>(window->Id()) : nullptr; }

WindowMessage PortableMessage(const MSG& msg) {
  return {reinterpret_cast<WindowId>(msg.hwnd), msg.message, static_cast<std::uintptr_t>(msg.wParam),
          static_cast<std::intptr_t>(msg.lParam)};
}

// The window the message is for gets the first look at it, then the modal
// window, which thus sees the keyboard of its modeless popups too.
bool PreTranslate(const MSG& msg, DialogWindow& modal) {
  const WindowMessage message = PortableMessage(msg);
  DialogWindow* target = DialogWindow::FromHandle(msg.hwnd);
  if (target && target != &modal && target->Class().PreTranslate(message)) return true;
  return modal.Alive() && modal.Class().PreTranslate(message);
}

bool IsDialogKey(MSG& msg, DialogWindow& modal) {
  DialogWindow* target = DialogWindow::FromHandle(msg.hwnd);
  HWND dialog = target && target->Alive() ? target->Handle() : modal.Handle();
  return dialog && IsDialogMessageW(dialog, &msg);
}

}  // namespace

int Win32DialogHost::RunModal(int templateId, WindowClass& windowClass, Window* owner) {
  HWND ownerHandle = HandleOf(owner);
  auto window = std::make_unique<DialogWindow>(instance_, windowClass);
  window->WakeLoopWhenDestroyed();
  // Disabled before the window exists, so that its initialisation already
  // runs modal.
  const bool ownerWasEnabled = ownerHandle && !EnableWindow(ownerHandle, FALSE);
  if (!window->Create(templateId, ownerHandle)) {
    if (ownerWasEnabled) EnableWindow(ownerHandle, TRUE);
    return -1;
  }

  MSG msg;
  while (window->Alive() && !window->ModalEnded()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT belongs to the loop outside this one.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (PreTranslate(msg, *window) || IsDialogKey(msg, *window)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }

  // The owner is enabled before the window goes, so that activation returns to it.
  if (ownerWasEnabled) EnableWindow(ownerHandle, TRUE);
  window->Destroy();
  return window->ModalEnded() ? window->ModalResult() : 0;
}

bool Win32DialogHost::CreateModeless(int templateId, WindowClass& windowClass, Window* owner) {
  auto window = std::make_unique<DialogWindow>(instance_, windowClass);
  if (!window->Create(templateId, HandleOf(owner))) return false;
  window.release()->OwnItself();
  return true;
}

}  // namespace varkel::win32
