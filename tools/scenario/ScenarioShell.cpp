#include "ScenarioShell.h"

#include "app/ResourceIds.h"
#include "platform/Messages.h"
#include "platform/sim/ProgramMenus.h"
#include "platform/sim/SimWindow.h"

namespace varkel::scenario {
namespace {

constexpr WindowId kModalWindowId = 2;
constexpr std::uintptr_t kOk = 1;

std::string ModalName(int templateId) {
  return templateId == IDD_ABOUTBOX ? "about" : "dialog " + std::to_string(templateId);
}

}  // namespace

int ScenarioDialogs::RunModal(int templateId, WindowClass& windowClass, Window*) {
  const std::string name = ModalName(templateId);
  recorder_.Line(name + " open");
  sim::SimWindow box(kModalWindowId);
  windowClass.Attach(&box);
  windowClass.OnMessage({box.Id(), msg::kInitDialog, 0, 0});
  windowClass.OnMessage({box.Id(), msg::kCommand, kOk, 0});
  windowClass.Attach(nullptr);
  recorder_.Line(name + " close");
  return box.ModalEnded() ? box.ModalResult() : 0;
}

ScenarioShell::ScenarioShell(Recorder& recorder) : dialogs(recorder) {
  sim::DefineProgramMenus(menus);
  menus.SetPopupObserver([this, &recorder](const sim::SimMenu& popup, const sim::SimMenu::OpenedPopup& opened) {
    recorder.Line("menu open " + std::to_string(popup.ResourceId()) + ' ' + std::to_string(opened.at.x) + ' ' +
                  std::to_string(opened.at.y));
    open_ = OpenPopup{&popup, opened.owner};
  });
  fileDialogs.SetObserver([&recorder](const FileDialogRequest& request) {
    recorder.Line(ToUtf8(sim::DescribeFileDialog(request)));
  });
}

bool HasCommand(const sim::SimMenu& menu, std::int32_t command) {
  for (int i = 0; i < menu.ItemCount(); ++i) {
    const sim::SimMenu* sub = menu.SubMenuAt(i);
    if (sub ? HasCommand(*sub, command) : menu.ItemId(i) == command && command > 0) return true;
  }
  return false;
}

}  // namespace varkel::scenario
