#include "platform/win32/Win32Controls.h"

#include <string>

#include "platform/win32/WideText.h"

namespace varkel::win32 {
namespace {

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

// ---- Win32ControlCore

Win32ControlCore::~Win32ControlCore() {
  // The class is gone or going: it hears nothing of the window's end.
  handler_ = nullptr;
  Destroy();
}

void Win32ControlCore::Create(WindowId parent, const ControlSetup& setup) {
  Destroy();
  const HWND parentHandle = reinterpret_cast<HWND>(parent);
  const Rect& p = setup.place;
  hwnd_ = CreateWindowExW(setup.extendedStyle, className_, L"", setup.style, p.left, p.top, p.right - p.left,
                          p.bottom - p.top, parentHandle,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(setup.controlId)), instance_, nullptr);
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETFONT, static_cast<WPARAM>(SendMessageW(parentHandle, WM_GETFONT, 0, 0)), FALSE);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ControlCore::Procedure)));
}

void Win32ControlCore::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY forgets the handle
}

LRESULT Win32ControlCore::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageW(hwnd_, message, wParam, lParam) : 0;
}

LRESULT Win32ControlCore::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageW(GetParent(hwnd_), message, wParam, lParam) : 0;
}

LRESULT Win32ControlCore::CallDefault(const WindowMessage& message) const {
  if (!hwnd_) return 0;
  return CallWindowProcW(original_, hwnd_, message.id, static_cast<WPARAM>(message.wParam),
                         static_cast<LPARAM>(message.lParam));
}

LRESULT CALLBACK Win32ControlCore::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* core = reinterpret_cast<Win32ControlCore*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!core) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC original = core->original_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    core->hwnd_ = nullptr;
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
  }
  if (core->handler_) {
    const MessageResult answer = core->handler_->OnMessage(
        {reinterpret_cast<WindowId>(hwnd), message, static_cast<std::uintptr_t>(wParam),
         static_cast<std::intptr_t>(lParam)});
    if (answer) return static_cast<LRESULT>(*answer);
  }
  // The class may have destroyed its own window.
  if (!IsWindow(hwnd)) return 0;
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

// ---- Win32ListBox

int Win32ListBox::LineCount() const {
  const LRESULT count = core_.Send(LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

void Win32ListBox::AddLine(std::u16string_view text) {
  core_.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void Win32ListBox::InsertLine(int index, std::u16string_view text) {
  core_.Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void Win32ListBox::DeleteLine(int index) { core_.Send(LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

std::u16string Win32ListBox::LineText(int index) const {
  const LRESULT length = core_.Send(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = core_.Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return FromWide(text);
}

// An index outside the lines changes nothing, whatever the system would do.
void Win32ListBox::SelectLine(int index) {
  if (index != -1 && (index < 0 || index >= LineCount())) return;
  core_.Send(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32ListBox::SelectedLine() const {
  return core_.Handle() ? static_cast<int>(core_.Send(LB_GETCURSEL, 0, 0)) : -1;
}

int Win32ListBox::TopLine() const { return static_cast<int>(core_.Send(LB_GETTOPINDEX, 0, 0)); }

int Win32ListBox::LineHeight() const {
  const LRESULT height = core_.Send(LB_GETITEMHEIGHT, 0, 0);
  return height > 0 ? static_cast<int>(height) : 0;
}

Rect Win32ListBox::LineRect(int index) const {
  RECT r{};
  if (core_.Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR) return {};
  return FromRect(r);
}

Rect Win32ListBox::ClientRectOnScreen() const {
  RECT r{};
  if (!core_.Handle() || !GetClientRect(core_.Handle(), &r)) return {};
  MapWindowPoints(core_.Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return FromRect(r);
}

// ---- Win32EditBox

std::u16string Win32EditBox::Text() const {
  if (!core_.Handle()) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(core_.Handle())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(core_.Handle(), text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

void Win32EditBox::SetText(std::u16string_view text) {
  if (core_.Handle()) SetWindowTextW(core_.Handle(), ToWide(text).c_str());
}

void Win32EditBox::LimitText(int characters) { core_.Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0); }

void Win32EditBox::SelectAllText() { core_.Send(EM_SETSEL, 0, -1); }

// ---- Win32Controls

std::unique_ptr<ListBoxWindow> Win32Controls::MakeListBox(WindowClass* handler) {
  return std::make_unique<Win32ListBox>(instance_, handler);
}

std::unique_ptr<EditBoxWindow> Win32Controls::MakeEditBox(WindowClass* handler) {
  return std::make_unique<Win32EditBox>(instance_, handler);
}

ScreenPoint Win32Controls::PointerOnScreen() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

}  // namespace varkel::win32
