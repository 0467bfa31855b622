#pragma once
// One dialog window of the message-map layer: made from a template, its
// dialog procedure hands every message to the attached portable class.
#include <windows.h>

#include "platform/Window.h"

namespace varkel::win32 {

class DialogWindow final : public Window {
 public:
  DialogWindow(HINSTANCE instance, WindowClass& windowClass);
  ~DialogWindow() override;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Makes the window; false when the template or the window could not be made.
  bool Create(int templateId, HWND owner);
  // From now on a modeless window frees itself when it is destroyed.
  void OwnItself() { ownsItself_ = true; }
  // A modal loop runs for this window: its destruction, by whatever path,
  // wakes that loop (a destruction inside a sent message would otherwise
  // leave it asleep in GetMessageW).
  void WakeLoopWhenDestroyed() { wakesLoop_ = true; }

  WindowId Id() const override { return reinterpret_cast<WindowId>(hwnd_); }
  void SetTitle(std::u16string_view title) override;
  void SetLargeIcon(int iconId) override;
  void AddSystemMenuItem(int commandId, int stringId) override;
  void Show(ShowCommand command) override;
  void Destroy() override;
  void EndModal(int result) override;
  void SetItemText(int itemId, std::u16string_view text) override;
  bool IsItemChecked(int itemId) override;
  void StartTimer(int timerId, int intervalMs) override;
  void Invalidate() override;
  void InvalidateRegion(const Region& area) override;
  void UpdateNow() override;
  void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool IsMinimized() const override;
  // Between BeginPaint and EndPaint; the window's big icon is the canvas's icon.
  void Paint(Extent size, const std::function<bool(Canvas&)>& draw) override;

  HWND Handle() const { return hwnd_; }
  bool Alive() const { return hwnd_ != nullptr; }
  bool ModalEnded() const { return modalEnded_; }
  int ModalResult() const { return modalResult_; }
  WindowClass& Class() const { return windowClass_; }

  // The layer's window that hwnd is or belongs to, or null.
  static DialogWindow* FromHandle(HWND hwnd);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Forward(UINT message, WPARAM wParam, LPARAM lParam);
  // Owner-drawn menu items: the system's structures as the class's measure
  // and draw calls. False for items of controls, or items the class leaves.
  bool MeasureMenuItem(MEASUREITEMSTRUCT& item) const;
  bool DrawMenuItem(const DRAWITEMSTRUCT& item) const;

  HINSTANCE instance_;
  WindowClass& windowClass_;
  bool ownsItself_ = false;
  bool wakesLoop_ = false;
  HWND hwnd_ = nullptr;
  bool modalEnded_ = false;
  int modalResult_ = 0;
};

}  // namespace varkel::win32
