#pragma once
// The owner-drawn menus (the event list's and the notification area's): every
// item, sub-menus included, drawn in the program's own colours. Each item's
// item data is the address of its record, so drawing needs nothing else.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/Canvas.h"
#include "platform/Menus.h"

namespace varkel {

struct OwnerDrawItem {
  std::u16string text;
  std::int32_t id = 0;  // the command id; -1 opens a sub-menu, 0 is a separator
};

class CZulMenu {
 public:
  static constexpr int kMaxItems = 30;

  CZulMenu() = default;
  // The menu's items point at the records: they must not move.
  CZulMenu(const CZulMenu&) = delete;
  CZulMenu& operator=(const CZulMenu&) = delete;

  // False when the resource cannot be loaded; the menu then opens nothing.
  bool Load(Menus& menus, int resourceId);

  // Takes each item of the whole menu, depth first, into the next record and
  // makes it owner-drawn with that record as item data. Items past the
  // 30th keep being drawn by the system.
  void MakeOwnerDraw();

  // The item's size: 8 pixels a character wide, 20 high (a separator 1).
  // Nothing for item data that is not one of this menu's records.
  std::optional<Extent> MeasureItem(std::uintptr_t itemData) const;

  // Draws one item; item data that is not one of this menu's records draws
  // nothing.
  void DrawItem(Canvas& canvas, const MenuItemDrawing& item) const;

  bool Owns(std::uintptr_t itemData) const { return Record(itemData) != nullptr; }

  // Opens the sub-menu at `position` of the top level as a popup (both
  // menus show their first).
  void OpenSubMenu(int position, ScreenPoint at, WindowId owner, MenuTracking tracking);

  std::span<const OwnerDrawItem> Items() const { return {items_.data(), static_cast<std::size_t>(itemCount_)}; }

 private:
  void Convert(Menu& menu);
  const OwnerDrawItem* Record(std::uintptr_t itemData) const;

  std::unique_ptr<Menu> menu_;
  std::array<OwnerDrawItem, kMaxItems> items_{};
  int itemCount_ = 0;
};

}  // namespace varkel
