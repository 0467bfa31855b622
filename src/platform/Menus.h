#pragma once
// Menus from the executable's resources: read item by item, turned into
// owner-drawn items, and opened as popups whose choice comes back to the
// owner window as a command.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Geometry.h"
#include "platform/Window.h"

namespace varkel {

// Which mouse button chooses an item of an open popup.
enum class MenuTracking { LeftButton, RightButton };

class Menu {
 public:
  virtual ~Menu() = default;
  virtual int ItemCount() const = 0;
  // The item's whole text; empty for a separator.
  virtual std::u16string ItemText(int position) const = 0;
  // The command id; -1 for an item that opens a sub-menu, 0 for a separator.
  virtual std::int32_t ItemId(int position) const = 0;
  // The sub-menu the item opens, owned by this menu; null for other items.
  virtual Menu* SubMenu(int position) = 0;
  // The item becomes owner-drawn, keeping its id and its sub-menu; drawing
  // and measuring it are asked for with itemData.
  virtual void MakeOwnerDrawn(int position, std::uintptr_t itemData) = 0;
  // Opens this menu as a popup with its top-left corner at the point; the
  // chosen item reaches the owner as a command message. Returns when the
  // popup has closed.
  virtual void OpenPopup(ScreenPoint at, WindowId owner, MenuTracking tracking) = 0;
};

class Menus {
 public:
  virtual ~Menus() = default;
  // Null when the resource cannot be loaded.
  virtual std::unique_ptr<Menu> Load(int resourceId) = 0;
};

// What the system hands the drawer of an owner-drawn menu item.
struct MenuItemDrawing {
  std::uintptr_t itemData = 0;
  Rect rect;
  bool selected = false;
};

}  // namespace varkel
