#pragma once
// The harness's main window: what the window class asks of its window, what
// the device link asks of the main window, and the desktop around it (the
// notification-area icon, the pointer, the foreground), written to the
// transcript.
//   window show|hide|minimize|restore   a show command
//   window drag X Y                     the caption press posted for dragging
//   window destroy                      the window is destroyed
//   tray add, tray remove               the notification-area icon is added / removed
//   foreground                          the window is brought to the foreground
//   repaint                             a repaint request (whole or a region)
// Posted messages wait in a queue until the harness delivers them, as a
// message loop would after the current message; what the window class does
// not handle gets the platform's default handling here.
#include <atomic>
#include <deque>
#include <functional>

#include "Recorders.h"
#include "device/DeviceHost.h"
#include "platform/Desktop.h"
#include "platform/Window.h"

namespace varkel::scenario {

class ScenarioWindow final : public Window, public MainWindowHost, public Desktop {
 public:
  enum class State { Shown, Hidden, Minimized, Destroyed };

  // pointerOnScreen: where the pointer is on the simulated screen.
  ScenarioWindow(Recorder& recorder, std::function<ScreenPoint()> pointerOnScreen)
      : recorder_(recorder), pointerOnScreen_(std::move(pointerOnScreen)) {}

  WindowId Id() const override { return 1; }
  void SetTitle(std::u16string_view) override {}
  void SetLargeIcon(int) override {}
  void AddSystemMenuItem(int, int) override {}
  void Show(ShowCommand command) override;
  void Destroy() override { DestroyMainWindow(); }
  void EndModal(int) override { DestroyMainWindow(); }
  void SetItemText(int, std::u16string_view) override {}
  bool IsItemChecked(int) override { return false; }
  void StartTimer(int, int) override {}
  void Invalidate() override { recorder_.Line("repaint"); }
  void InvalidateRegion(const Region&) override { recorder_.Line("repaint"); }
  // Nothing is painted unless the script asks for it (`paint`).
  void UpdateNow() override {}
  void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    posted_.push_back({Id(), message, wParam, lParam});
  }
  bool IsMinimized() const override { return minimized_; }
  // Draws on a canvas of plain pixels that describes each call in the transcript.
  void Paint(Extent size, const std::function<bool(Canvas&)>& draw) override;

  void RemoveTrayIcon() override {
    recorder_.Line("tray remove");
    trayIcon_ = false;
  }
  void DestroyMainWindow() override;

  void AddTrayIcon() override {
    recorder_.Line("tray add");
    trayIcon_ = true;
  }
  ScreenPoint PointerPosition() override { return pointerOnScreen_(); }
  void BringMainWindowToForeground() override { recorder_.Line("foreground"); }
  std::intptr_t DragIcon() override { return kDragIcon; }
  static constexpr std::intptr_t kDragIcon = 159;

  // Hands each posted message to `handle`, oldest first, then to the
  // default handling when `handle` leaves it (nullopt); messages posted
  // meanwhile are delivered too.
  void DeliverPosted(const std::function<MessageResult(const WindowMessage&)>& handle);

  // What the platform does with a message the window class left to it.
  void DefaultHandling(const WindowMessage& message);

  State CurrentState() const;
  bool Destroyed() const { return destroyed_; }
  bool HasTrayIcon() const { return trayIcon_; }

 private:
  Recorder& recorder_;
  std::function<ScreenPoint()> pointerOnScreen_;
  // A hidden window keeps whether it is minimised: shown again, it is.
  std::atomic<bool> visible_{true};
  std::atomic<bool> minimized_{false};
  std::atomic<bool> destroyed_{false};
  bool trayIcon_ = false;
  std::deque<WindowMessage> posted_;
};

const char* StateName(ScenarioWindow::State state);

}  // namespace varkel::scenario
