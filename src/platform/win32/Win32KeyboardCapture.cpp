#include "platform/win32/Win32KeyboardCapture.h"

#include "app/AppIdentity.h"

namespace varkel::win32 {

void Win32KeyboardCapture::Install() {
  if (!hook_) hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &Win32KeyboardCapture::Procedure, GetModuleHandleW(nullptr), 0);
}

void Win32KeyboardCapture::Remove() {
  if (hook_) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
}

// Found by its title, so the hook needs nothing kept beside it.
LRESULT CALLBACK Win32KeyboardCapture::Procedure(int code, WPARAM kind, LPARAM event) {
  if (code != HC_ACTION) return CallNextHookEx(nullptr, code, kind, event);
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
  if (HWND main = FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kAppName)))
    PostMessageW(main, static_cast<UINT>(kind), key->vkCode, 0);
  return 1;
}

}  // namespace varkel::win32
