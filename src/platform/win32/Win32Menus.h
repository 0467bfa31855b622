#pragma once
// Menus from the executable's resources.
#include <windows.h>

#include <map>
#include <memory>

#include "platform/Menus.h"

namespace varkel::win32 {

class Win32Menu final : public Menu {
 public:
  // A loaded menu owns its handle (and with it its sub-menus); a sub-menu's
  // wrapper does not.
  Win32Menu(HMENU menu, bool owned) : menu_(menu), owned_(owned) {}
  ~Win32Menu() override;
  Win32Menu(const Win32Menu&) = delete;
  Win32Menu& operator=(const Win32Menu&) = delete;

  int ItemCount() const override;
  std::u16string ItemText(int position) const override;
  std::int32_t ItemId(int position) const override;
  Menu* SubMenu(int position) override;
  void MakeOwnerDrawn(int position, std::uintptr_t itemData) override;
  void OpenPopup(ScreenPoint at, WindowId owner, MenuTracking tracking) override;

  HMENU Handle() const { return menu_; }

 private:
  HMENU menu_;
  bool owned_;
  std::map<int, std::unique_ptr<Win32Menu>> subMenus_;
};

class Win32Menus final : public Menus {
 public:
  explicit Win32Menus(HINSTANCE instance) : instance_(instance) {}
  std::unique_ptr<Menu> Load(int resourceId) override;

 private:
  HINSTANCE instance_;
};

}  // namespace varkel::win32
