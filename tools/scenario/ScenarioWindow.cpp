#include "ScenarioWindow.h"

#include "platform/Messages.h"
#include "platform/portable/RasterCanvas.h"
#include "platform/sim/RecordingCanvas.h"

namespace varkel::scenario {

void ScenarioWindow::Show(ShowCommand command) {
  switch (command) {
    case ShowCommand::Hide:
      recorder_.Line("window hide");
      visible_ = false;
      break;
    case ShowCommand::Show:
      recorder_.Line("window show");
      visible_ = true;
      break;
    case ShowCommand::Minimize:
      recorder_.Line("window minimize");
      visible_ = true;
      minimized_ = true;
      break;
    case ShowCommand::Restore:
      recorder_.Line("window restore");
      visible_ = true;
      minimized_ = false;
      break;
  }
}

ScenarioWindow::State ScenarioWindow::CurrentState() const {
  if (destroyed_) return State::Destroyed;
  if (!visible_) return State::Hidden;
  return minimized_ ? State::Minimized : State::Shown;
}

void ScenarioWindow::Paint(Extent size, const std::function<bool(Canvas&)>& draw) {
  RasterCanvas raster(size);
  sim::RecordingCanvas canvas(raster, [this](std::string line) { recorder_.Line(std::move(line)); });
  draw(canvas);
}

void ScenarioWindow::DestroyMainWindow() {
  if (destroyed_) return;
  recorder_.Line("window destroy");
  destroyed_ = true;
  posted_.clear();
}

void ScenarioWindow::DeliverPosted(const std::function<MessageResult(const WindowMessage&)>& handle) {
  while (!posted_.empty() && !destroyed_) {
    const WindowMessage message = posted_.front();
    posted_.pop_front();
    if (!handle(message)) DefaultHandling(message);
  }
}

// The caption press drags; of the system commands, minimise and restore
// show the window so, and close asks the window to close (as a message
// after this one).
void ScenarioWindow::DefaultHandling(const WindowMessage& message) {
  if (message.id == msg::kNcLeftButtonDown && message.wParam == msg::kHitCaption) {
    recorder_.Line("window drag " + std::to_string(msg::PointX(message.lParam)) + ' ' +
                   std::to_string(msg::PointY(message.lParam)));
    return;
  }
  if (message.id != msg::kSysCommand) return;
  switch (static_cast<std::uint32_t>(message.wParam & ~std::uintptr_t{0xF})) {
    case syscommand::kMinimize:
      Show(ShowCommand::Minimize);
      break;
    case syscommand::kRestore:
      Show(ShowCommand::Restore);
      break;
    case syscommand::kClose:
      Post(msg::kClose, 0, 0);
      break;
    default:
      break;
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
