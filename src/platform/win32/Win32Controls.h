#pragma once
// LISTBOX and EDIT child windows. Each is subclassed so that its portable
// class sees every message first; what the class leaves goes to the
// control's own window procedure, unless the class destroyed the window.
// A control takes its parent's font when it is made.
#include <windows.h>

#include "platform/Controls.h"

namespace varkel::win32 {

class Win32ControlCore {
 public:
  Win32ControlCore(HINSTANCE instance, const wchar_t* className, WindowClass* handler)
      : instance_(instance), className_(className), handler_(handler) {}
  ~Win32ControlCore();
  Win32ControlCore(const Win32ControlCore&) = delete;
  Win32ControlCore& operator=(const Win32ControlCore&) = delete;

  void Create(WindowId parent, const ControlSetup& setup);
  void Destroy();
  HWND Handle() const { return hwnd_; }
  // 0 without a window.
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
  LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const;
  LRESULT CallDefault(const WindowMessage& message) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  const wchar_t* className_;
  WindowClass* handler_;
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
};

// The operations every control has.
template <class Interface>
class Win32Control : public Interface {
 public:
  Win32Control(HINSTANCE instance, const wchar_t* className, WindowClass* handler)
      : core_(instance, className, handler) {}

  void Create(WindowId parent, const ControlSetup& setup) override { core_.Create(parent, setup); }
  void Destroy() override { core_.Destroy(); }
  bool Exists() const override { return core_.Handle() != nullptr; }
  WindowId Id() const override { return reinterpret_cast<WindowId>(core_.Handle()); }
  void Focus() override {
    if (core_.Handle()) SetFocus(core_.Handle());
  }
  void Enable(bool enabled) override {
    if (core_.Handle()) EnableWindow(core_.Handle(), enabled);
  }
  bool IsEnabled() const override { return core_.Handle() && IsWindowEnabled(core_.Handle()); }
  void UseFontOf(const ControlWindow& other) override {
    const LRESULT font = SendMessageW(reinterpret_cast<HWND>(other.Id()), WM_GETFONT, 0, 0);
    core_.Send(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  }
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    return core_.Send(message, wParam, lParam);
  }
  std::intptr_t SendToParent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    return core_.SendToParent(message, wParam, lParam);
  }
  std::intptr_t CallDefault(const WindowMessage& message) override { return core_.CallDefault(message); }

 protected:
  Win32ControlCore core_;
};

class Win32ListBox final : public Win32Control<ListBoxWindow> {
 public:
  Win32ListBox(HINSTANCE instance, WindowClass* handler) : Win32Control(instance, L"LISTBOX", handler) {}

  int LineCount() const override;
  void AddLine(std::u16string_view text) override;
  void InsertLine(int index, std::u16string_view text) override;
  void DeleteLine(int index) override;
  std::u16string LineText(int index) const override;
  void SelectLine(int index) override;
  int SelectedLine() const override;
  int TopLine() const override;
  int LineHeight() const override;
  Rect LineRect(int index) const override;
  Rect ClientRectOnScreen() const override;
};

class Win32EditBox final : public Win32Control<EditBoxWindow> {
 public:
  Win32EditBox(HINSTANCE instance, WindowClass* handler) : Win32Control(instance, L"EDIT", handler) {}

  std::u16string Text() const override;
  void SetText(std::u16string_view text) override;
  void LimitText(int characters) override;
  void SelectAllText() override;
};

class Win32Controls final : public ControlFactory {
 public:
  explicit Win32Controls(HINSTANCE instance) : instance_(instance) {}
  std::unique_ptr<ListBoxWindow> MakeListBox(WindowClass* handler) override;
  std::unique_ptr<EditBoxWindow> MakeEditBox(WindowClass* handler) override;
  ScreenPoint PointerOnScreen() override;

 private:
  HINSTANCE instance_;
};

}  // namespace varkel::win32
