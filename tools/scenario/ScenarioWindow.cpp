#include "ScenarioWindow.h"

#include "platform/Messages.h"
#include "platform/portable/RasterCanvas.h"
#include "platform/sim/RecordingCanvas.h"

namespace varkel::scenario {

void ScenarioWindow::Show(ShowCommand command) {
  switch (command) {
    case ShowCommand::Hide:
      recorder_.Line("window hide");
      state_ = State::Hidden;
      break;
    case ShowCommand::Show:
      recorder_.Line("window show");
      if (state_ == State::Hidden) state_ = State::Shown;
      break;
    case ShowCommand::Minimize:
      recorder_.Line("window minimize");
      state_ = State::Minimized;
      break;
    case ShowCommand::Restore:
      recorder_.Line("window restore");
      state_ = State::Shown;
      break;
  }
}

void ScenarioWindow::Paint(Extent size, const std::function<bool(Canvas&)>& draw) {
  RasterCanvas raster(size);
  sim::RecordingCanvas canvas(raster, [this](std::string line) { recorder_.Line(std::move(line)); });
  draw(canvas);
}

void ScenarioWindow::DestroyMainWindow() {
  if (state_ == State::Destroyed) return;
  recorder_.Line("window destroy");
  state_ = State::Destroyed;
  posted_.clear();
}

void ScenarioWindow::DeliverPosted(const std::function<MessageResult(const WindowMessage&)>& handle) {
  while (!posted_.empty() && state_ != State::Destroyed) {
    const WindowMessage message = posted_.front();
    posted_.pop_front();
    if (!handle(message)) DefaultHandling(message);
  }
}

// What the system does with the messages the program posts itself.
void ScenarioWindow::DefaultHandling(const WindowMessage& message) {
  if (message.id == msg::kNcLeftButtonDown && message.wParam == msg::kHitCaption) {
    recorder_.Line("window drag " + std::to_string(msg::PointX(message.lParam)) + ' ' +
                   std::to_string(msg::PointY(message.lParam)));
  } else if (message.id == msg::kSysCommand && (message.wParam & ~std::uintptr_t{0xF}) == syscommand::kMinimize) {
    Show(ShowCommand::Minimize);
  }
}

const char* StateName(ScenarioWindow::State state) {
  switch (state) {
    case ScenarioWindow::State::Shown: return "shown";
    case ScenarioWindow::State::Hidden: return "hidden";
    case ScenarioWindow::State::Minimized: return "minimized";
    case ScenarioWindow::State::Destroyed: return "destroyed";
  }
  return "?";
}

}  // namespace varkel::scenario
