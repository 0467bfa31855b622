#pragma once
// Menus of the simulated platform, built from a description of each
// resource. They keep what the program did to them: which items it made
// owner-drawn, with what item data, and the popups it opened.
#include <functional>
#include <map>
#include <vector>

#include "platform/Menus.h"

namespace varkel::sim {

class SimMenu final : public Menu {
 public:
  struct Item {
    std::u16string text;
    std::int32_t id = 0;
    bool opensSubMenu = false;
    std::vector<Item> subItems;
  };
  static Item Command(std::u16string text, std::int32_t id) { return {std::move(text), id, false, {}}; }
  static Item Separator() { return {}; }
  static Item Popup(std::u16string text, std::vector<Item> items) { return {std::move(text), -1, true, std::move(items)}; }

  struct OpenedPopup {
    ScreenPoint at;
    WindowId owner = 0;
    MenuTracking tracking = MenuTracking::LeftButton;
  };
  // Sees each popup as it opens: a harness answers it here (with the
  // command the person chooses) before OpenPopup returns.
  using PopupObserver = std::function<void(const SimMenu& popup, const OpenedPopup& opened)>;

  SimMenu(int resourceId, const std::vector<Item>& items, const PopupObserver* observer);

  int ItemCount() const override { return static_cast<int>(items_.size()); }
  std::u16string ItemText(int position) const override;
  std::int32_t ItemId(int position) const override;
  Menu* SubMenu(int position) override;
  void MakeOwnerDrawn(int position, std::uintptr_t itemData) override;
  void OpenPopup(ScreenPoint at, WindowId owner, MenuTracking tracking) override;

  // The resource this menu (or the menu it belongs to) was loaded from.
  int ResourceId() const { return resourceId_; }
  bool IsOwnerDrawn(int position) const;
  std::uintptr_t ItemData(int position) const;
  const SimMenu* SubMenuAt(int position) const;
  const std::vector<OpenedPopup>& Popups() const { return popups_; }

 private:
  struct Entry {
    Item item;
    std::unique_ptr<SimMenu> sub;
    bool ownerDrawn = false;
    std::uintptr_t itemData = 0;
  };
  const Entry* At(int position) const;

  int resourceId_;
  std::vector<Entry> items_;
  const PopupObserver* observer_;
  std::vector<OpenedPopup> popups_;
};

class SimMenus final : public Menus {
 public:
  void Define(int resourceId, std::vector<SimMenu::Item> items) { definitions_[resourceId] = std::move(items); }
  void SetPopupObserver(SimMenu::PopupObserver observer) { observer_ = std::move(observer); }

  // A fresh menu of the definition; null for a resource never defined.
  std::unique_ptr<Menu> Load(int resourceId) override;

  // Every menu loaded, in order; each lives as long as whoever loaded it
  // keeps it.
  const std::vector<SimMenu*>& Loaded() const { return loaded_; }

 private:
  std::map<int, std::vector<SimMenu::Item>> definitions_;
  SimMenu::PopupObserver observer_;
  std::vector<SimMenu*> loaded_;
};

}  // namespace varkel::sim
