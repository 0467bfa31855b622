#include "macros/CZulMenu.h"

namespace varkel {
namespace {

constexpr std::int32_t kSeparatorId = 0;
constexpr std::int32_t kWidthPerCharacter = 8;
constexpr std::int32_t kItemHeight = 20;
constexpr std::int32_t kSeparatorHeight = 1;
constexpr std::int32_t kSeparatorIndent = 25;
constexpr std::int32_t kTextIndent = 10;

constexpr Rgb kText{255, 255, 255};
constexpr Rgb kItemBackground{0, 120, 153};
constexpr Rgb kSeparatorTopLeft{255, 0, 0};
constexpr Rgb kSeparatorBottomRight{0, 0, 255};
constexpr Rgb kSelectionTop{0, 0, 255};
constexpr Rgb kSelectionBottom{0, 255, 255};

// Each component moves by a whole step per row, the step truncated, so the
// last row stops short of the bottom colour.
std::int32_t Step(std::uint8_t from, std::uint8_t to, std::int32_t rows) { return (to - from) / rows; }

std::uint8_t At(std::uint8_t from, std::int32_t step, std::int32_t row) {
  return static_cast<std::uint8_t>(from + step * row);
}

// An outline in the canvas's own pen, and inside it a top-down gradient.
void DrawSelection(Canvas& canvas, const Rect& rect) {
  canvas.DrawRectangle(rect);
  const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  const std::int32_t rows = inner.bottom - inner.top;
  if (rows <= 0) return;
  const std::int32_t red = Step(kSelectionTop.r, kSelectionBottom.r, rows);
  const std::int32_t green = Step(kSelectionTop.g, kSelectionBottom.g, rows);
  const std::int32_t blue = Step(kSelectionTop.b, kSelectionBottom.b, rows);
  for (std::int32_t row = 0; row < rows; ++row) {
    const Rgb colour{At(kSelectionTop.r, red, row), At(kSelectionTop.g, green, row), At(kSelectionTop.b, blue, row)};
    canvas.DrawHorizontalLine(inner.left, inner.right, inner.top + row, colour);
  }
}

}  // namespace

bool CZulMenu::Load(Menus& menus, int resourceId) {
  menu_ = menus.Load(resourceId);
  itemCount_ = 0;
  return menu_ != nullptr;
}

void CZulMenu::MakeOwnerDraw() {
  itemCount_ = 0;
  if (menu_) Convert(*menu_);
}

void CZulMenu::Convert(Menu& menu) {
  const int count = menu.ItemCount();
  for (int position = 0; position < count && itemCount_ < kMaxItems; ++position) {
    OwnerDrawItem& record = items_[static_cast<std::size_t>(itemCount_++)];
    record.text = menu.ItemText(position);
    record.id = menu.ItemId(position);
    menu.MakeOwnerDrawn(position, reinterpret_cast<std::uintptr_t>(&record));
    if (Menu* sub = menu.SubMenu(position)) Convert(*sub);
  }
}

// Compared address by address: item data from elsewhere is never followed.
const OwnerDrawItem* CZulMenu::Record(std::uintptr_t itemData) const {
  for (int i = 0; i < itemCount_; ++i) {
    const OwnerDrawItem* record = &items_[static_cast<std::size_t>(i)];
    if (reinterpret_cast<std::uintptr_t>(record) == itemData) return record;
  }
  return nullptr;
}

std::optional<Extent> CZulMenu::MeasureItem(std::uintptr_t itemData) const {
  const OwnerDrawItem* record = Record(itemData);
  if (!record) return std::nullopt;
  return Extent{kWidthPerCharacter * static_cast<std::int32_t>(record->text.size()),
                record->id == kSeparatorId ? kSeparatorHeight : kItemHeight};
}

void CZulMenu::DrawItem(Canvas& canvas, const MenuItemDrawing& item) const {
  const OwnerDrawItem* record = Record(item.itemData);
  if (!record) return;
  canvas.SetTransparentText();
  if (record->id == kSeparatorId) {
    Rect edges = item.rect;
    edges.left += kSeparatorIndent;
    canvas.DrawEdges3d(edges, kSeparatorTopLeft, kSeparatorBottomRight);
    return;
  }
  if (item.selected)
    DrawSelection(canvas, item.rect);
  else
    canvas.FillRect(item.rect, kItemBackground);
  Rect text = item.rect;
  text.left += kTextIndent;
  canvas.DrawTextLine(text, kText, record->text);
}

void CZulMenu::OpenSubMenu(int position, ScreenPoint at, WindowId owner, MenuTracking tracking) {
  if (!menu_) return;
  if (Menu* popup = menu_->SubMenu(position)) popup->OpenPopup(at, owner, tracking);
}

}  // namespace varkel
