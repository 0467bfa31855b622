#include "platform/sim/ProgramMenus.h"

#include "app/ResourceIds.h"

namespace varkel::sim {
namespace {

using Item = SimMenu::Item;

// "左键   " / "右键" / "中键", each with its press and release.
std::vector<Item> MouseButtons(std::int32_t leftDown, std::int32_t rightDown, std::int32_t middleDown) {
  const auto button = [](std::u16string text, std::int32_t down) {
    return SimMenu::Popup(std::move(text), {SimMenu::Command(u"按下  ", down), SimMenu::Command(u"释放", down + 1)});
  };
  return {button(u"左键   ", leftDown), button(u"右键", rightDown), button(u"中键", middleDown)};
}

}  // namespace

void DefineProgramMenus(SimMenus& menus) {
  menus.Define(IDR_EVENT_LIST_MENU,
               {SimMenu::Popup(u"MENU_CN",
                               {SimMenu::Popup(u"选项前添加    ",
                                               MouseButtons(ID_INSERT_BEFORE_LEFT_DOWN, ID_INSERT_BEFORE_RIGHT_DOWN,
                                                            ID_INSERT_BEFORE_MIDDLE_DOWN)),
                                SimMenu::Popup(u"选项后添加 ",
                                               MouseButtons(ID_INSERT_AFTER_LEFT_DOWN, ID_INSERT_AFTER_RIGHT_DOWN,
                                                            ID_INSERT_AFTER_MIDDLE_DOWN)),
                                SimMenu::Command(u"修改延迟", ID_CHANGE_DELAY),
                                SimMenu::Command(u"删除此项", ID_DELETE_STEP)})});
  menus.Define(IDR_TRAY_MENU, {SimMenu::Popup(u"Menu_Tray", {SimMenu::Command(u"显示界面   ", ID_TRAY_SHOW),
                                                              SimMenu::Command(u"退出驱动", ID_TRAY_QUIT)})});
}

}  // namespace varkel::sim
