#include "platform/win32/Win32Menus.h"

#include <vector>

#include "platform/win32/WideText.h"

namespace varkel::win32 {

Win32Menu::~Win32Menu() {
  if (owned_) DestroyMenu(menu_);
}

int Win32Menu::ItemCount() const { return GetMenuItemCount(menu_); }

std::u16string Win32Menu::ItemText(int position) const {
  const int length = GetMenuStringW(menu_, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
  GetMenuStringW(menu_, static_cast<UINT>(position), text.data(), length + 1, MF_BYPOSITION);
  return FromWide(text.data());
}

// A sub-menu's item has no id of its own: the system answers -1.
std::int32_t Win32Menu::ItemId(int position) const {
  return static_cast<std::int32_t>(GetMenuItemID(menu_, position));
}

Menu* Win32Menu::SubMenu(int position) {
  HMENU sub = GetSubMenu(menu_, position);
  if (!sub) return nullptr;
  auto& wrapper = subMenus_[position];
  if (!wrapper || wrapper->Handle() != sub) wrapper = std::make_unique<Win32Menu>(sub, false);
  return wrapper.get();
}

// Only the item's type and data change, so its id and sub-menu stay.
void Win32Menu::MakeOwnerDrawn(int position, std::uintptr_t itemData) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_FTYPE;
  if (!GetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &item)) return;
  item.fMask = MIIM_FTYPE | MIIM_DATA;
  item.fType |= MFT_OWNERDRAW;
  item.dwItemData = itemData;
  SetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &item);
}

void Win32Menu::OpenPopup(ScreenPoint at, WindowId owner, MenuTracking tracking) {
  const HWND window = reinterpret_cast<HWND>(owner);
  const UINT flags = tracking == MenuTracking::RightButton ? TPM_RIGHTBUTTON : 0;
  TrackPopupMenu(menu_, flags, at.x, at.y, 0, window, nullptr);
  // The system's advice for a menu opened from the notification area: a
  // message to the owner afterwards, so that the next popup opens properly.
  PostMessageW(window, WM_NULL, 0, 0);
}

std::unique_ptr<Menu> Win32Menus::Load(int resourceId) {
  HMENU menu = LoadMenuW(instance_, MAKEINTRESOURCEW(resourceId));
  if (!menu) return nullptr;
  return std::make_unique<Win32Menu>(menu, true);
}

}  // namespace varkel::win32
