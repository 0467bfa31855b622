#pragma once
// What the main window finds beside it in the harness, written to the
// transcript:
//   menu open MENUID X Y        a popup menu opens at screen point (X, Y)
//   about open, about close     the About box (answered OK at once)
//   dialog open FILTER          a file dialog, answered as the script queued
//   dialog save FILTER EXT
// The menus are the program's resources (154 and 157). A popup stays open
// until the script answers it (`menu CMD`, `menu none`); the chosen command
// then reaches its owner as a command message.
#include <optional>

#include "Recorders.h"
#include "platform/ControlColours.h"
#include "platform/DialogHost.h"
#include "platform/sim/ScriptedFileDialogs.h"
#include "platform/sim/SimMenus.h"

namespace varkel::scenario {

// Modal windows of the main window: the About box, closed by its OK as soon
// as it is open.
class ScenarioDialogs final : public DialogHost {
 public:
  explicit ScenarioDialogs(Recorder& recorder) : recorder_(recorder) {}
  int RunModal(int templateId, WindowClass& windowClass, Window* owner) override;
  bool CreateModeless(int, WindowClass&, Window*) override { return false; }

 private:
  Recorder& recorder_;
};

// The child controls' colours: objects handed out and nothing drawn.
class QuietControlColours final : public ControlColours {
 public:
  GraphicsObject MakeFont(std::u16string_view, std::int32_t) override { return 1; }
  GraphicsObject MakeSolidBrush(Rgb) override { return 2; }
  void Release(GraphicsObject) override {}
  void StyleControl(std::uintptr_t, GraphicsObject, Rgb, Rgb) override {}
};

class ScenarioShell {
 public:
  explicit ScenarioShell(Recorder& recorder);
  ScenarioShell(const ScenarioShell&) = delete;
  ScenarioShell& operator=(const ScenarioShell&) = delete;

  struct OpenPopup {
    const sim::SimMenu* menu;
    WindowId owner;
  };
  // The popup menu open now, if any; the script's answer closes it.
  const std::optional<OpenPopup>& Open() const { return open_; }
  void Close() { open_.reset(); }

  sim::SimMenus menus;
  sim::ScriptedFileDialogs fileDialogs;
  ScenarioDialogs dialogs;
  QuietControlColours colours;

 private:
  std::optional<OpenPopup> open_;
};

// Whether the popup (its sub-menus included) has an item sending `command`.
bool HasCommand(const sim::SimMenu& menu, std::int32_t command);

}  // namespace varkel::scenario
