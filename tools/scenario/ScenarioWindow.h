#pragma once
// The harness's main window: what the window class asks of its window, and
// what the device link asks of the main window, written to the transcript.
//   window show|hide|minimize|restore   a show command
//   window drag X Y                     the caption press posted for dragging
//   window destroy                      the window is destroyed
//   tray remove                         the notification-area icon is removed
//   repaint                             a repaint request (whole or a region)
// Posted messages wait in a queue until the harness delivers them, as a
// message loop would after the current message; what the window class does
// not handle gets the platform's default handling here.
#include <atomic>
#include <deque>
#include <functional>

#include "Recorders.h"
#include "device/DeviceHost.h"
#include "platform/Window.h"

namespace varkel::scenario {

class ScenarioWindow final : public Window, public MainWindowHost {
 public:
  enum class State { Shown, Hidden, Minimized, Destroyed };

  explicit ScenarioWindow(Recorder& recorder) : recorder_(recorder) {}

  WindowId Id() const override { return 1; }
  void SetTitle(std::u16string_view) override {}
  void SetLargeIcon(int) override {}
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
  bool IsMinimized() const override { return state_ == State::Minimized; }
  // Draws on a canvas of plain pixels that describes each call in the transcript.
  void Paint(Extent size, const std::function<bool(Canvas&)>& draw) override;

  void RemoveTrayIcon() override { recorder_.Line("tray remove"); }
  void DestroyMainWindow() override;

  // Hands each posted message to `handle`, oldest first, then to the
  // default handling when `handle` leaves it (nullopt); messages posted
  // meanwhile are delivered too.
  void DeliverPosted(const std::function<MessageResult(const WindowMessage&)>& handle);

  State CurrentState() const { return state_; }
  bool Destroyed() const { return state_ == State::Destroyed; }

 private:
  void DefaultHandling(const WindowMessage& message);

  Recorder& recorder_;
  std::atomic<State> state_{State::Shown};
  std::deque<WindowMessage> posted_;
};

const char* StateName(ScenarioWindow::State state);

}  // namespace varkel::scenario
