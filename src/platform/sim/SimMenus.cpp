#include "platform/sim/SimMenus.h"

namespace varkel::sim {

SimMenu::SimMenu(int resourceId, const std::vector<Item>& items, const PopupObserver* observer)
    : resourceId_(resourceId), observer_(observer) {
  for (const Item& item : items) {
    Entry entry{item, nullptr};
    if (item.opensSubMenu) entry.sub = std::make_unique<SimMenu>(resourceId, item.subItems, observer);
    items_.push_back(std::move(entry));
  }
}

const SimMenu::Entry* SimMenu::At(int position) const {
  if (position < 0 || position >= ItemCount()) return nullptr;
  return &items_[static_cast<std::size_t>(position)];
}

std::u16string SimMenu::ItemText(int position) const {
  const Entry* entry = At(position);
  return entry ? entry->item.text : std::u16string();
}

std::int32_t SimMenu::ItemId(int position) const {
  const Entry* entry = At(position);
  if (!entry) return 0;
  return entry->item.opensSubMenu ? -1 : entry->item.id;
}

Menu* SimMenu::SubMenu(int position) {
  const Entry* entry = At(position);
  return entry ? entry->sub.get() : nullptr;
}

const SimMenu* SimMenu::SubMenuAt(int position) const {
  const Entry* entry = At(position);
  return entry ? entry->sub.get() : nullptr;
}

void SimMenu::MakeOwnerDrawn(int position, std::uintptr_t itemData) {
  if (!At(position)) return;
  Entry& entry = items_[static_cast<std::size_t>(position)];
  entry.ownerDrawn = true;
  entry.itemData = itemData;
}

bool SimMenu::IsOwnerDrawn(int position) const {
  const Entry* entry = At(position);
  return entry && entry->ownerDrawn;
}

std::uintptr_t SimMenu::ItemData(int position) const {
  const Entry* entry = At(position);
  return entry ? entry->itemData : 0;
}

void SimMenu::OpenPopup(ScreenPoint at, WindowId owner, MenuTracking tracking) {
  popups_.push_back({at, owner, tracking});
  if (observer_ && *observer_) (*observer_)(*this, popups_.back());
}

std::unique_ptr<Menu> SimMenus::Load(int resourceId) {
  const auto found = definitions_.find(resourceId);
  if (found == definitions_.end()) return nullptr;
  auto menu = std::make_unique<SimMenu>(resourceId, found->second, &observer_);
  loaded_.push_back(menu.get());
  return menu;
}

}  // namespace varkel::sim
