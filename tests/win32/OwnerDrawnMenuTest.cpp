// Owner-drawn menu items through the dialog layer: the system's measure and
// draw requests for menus reach the window class, which draws on the item's
// own device context.
#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

#include "macros/CZulMenu.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace varkel::win32 {
namespace {

constexpr int kTemplate = 1001;    // tests/win32/DialogLayerTest.rc
constexpr int kNestedMenu = 2001;  // tests/win32/ShellTest.rc: top > sub > a, bb; separator; ccc
constexpr int kItemWidth = 60;

// A window whose menu is made owner-drawn, and which runs `check` in its
// initialisation, while its window exists.
class MenuOwner final : public WindowClass {
 public:
  explicit MenuOwner(std::function<void(HWND)> check) : check_(std::move(check)) {
    menu.Load(menus, kNestedMenu);
    menu.MakeOwnerDraw();
  }
  MessageResult OnMessage(const WindowMessage& message) override {
    if (message.id != WM_INITDIALOG) return std::nullopt;
    check_(reinterpret_cast<HWND>(window_->Id()));
    window_->EndModal(0);
    return 1;
  }
  std::optional<Extent> MeasureMenuItem(std::uintptr_t itemData) const override {
    return menu.MeasureItem(itemData);
  }
  bool DrawMenuItem(Canvas& canvas, const MenuItemDrawing& item) const override {
    if (!menu.Owns(item.itemData)) return false;
    menu.DrawItem(canvas, item);
    return true;
  }
  std::uintptr_t DataOf(int record) const { return reinterpret_cast<std::uintptr_t>(&menu.Items()[record]); }

  Win32Menus menus{GetModuleHandleW(nullptr)};
  CZulMenu menu;

 private:
  std::function<void(HWND)> check_;
};

void RunWith(MenuOwner& owner) {
  Win32DialogHost host(GetModuleHandleW(nullptr));
  host.RunModal(kTemplate, owner, nullptr);
}

// A 32-bit canvas of two items, one above the other, white at first.
struct ItemCanvas {
  ItemCanvas() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kItemWidth, -40, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, dib);
    PatBlt(dc, 0, 0, kItemWidth, 40, WHITENESS);
  }
  ~ItemCanvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(dib);
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = pixels[y * kItemWidth + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  HBITMAP dib = nullptr;
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* pixels = nullptr;
};

TEST(OwnerDrawnMenu, MeasureRequestsForMenusReachTheClass) {
  MEASUREITEMSTRUCT ccc{}, separator{}, foreign{}, control{};
  MenuOwner owner([&](HWND window) {
    const auto measure = [&](MEASUREITEMSTRUCT& item, UINT type, std::uintptr_t data) {
      item.CtlType = type;
      item.itemData = data;
      item.itemWidth = item.itemHeight = 99;
      return SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    };
    EXPECT_TRUE(measure(ccc, ODT_MENU, owner.DataOf(5)));
    EXPECT_TRUE(measure(separator, ODT_MENU, owner.DataOf(4)));
    measure(foreign, ODT_MENU, 12345);
    measure(control, ODT_LISTBOX, owner.DataOf(5));
  });
  ASSERT_EQ(owner.menu.Items().size(), 6u);
  RunWith(owner);
  EXPECT_EQ(ccc.itemWidth, 24u);
  EXPECT_EQ(ccc.itemHeight, 20u);
  EXPECT_EQ(separator.itemHeight, 1u);
  EXPECT_EQ(foreign.itemWidth, 99u);  // not the class's item: left as it was
  EXPECT_EQ(control.itemWidth, 99u);  // a control's item is not a menu's
}

TEST(OwnerDrawnMenu, ItemsAreDrawnOnTheItemsOwnContext) {
  ItemCanvas canvas;
  SetTextColor(canvas.dc, RGB(1, 2, 3));
  SetBkMode(canvas.dc, OPAQUE);
  MenuOwner owner([&](HWND window) {
    const auto draw = [&](UINT state, RECT rect) {
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_MENU;
      item.itemData = owner.DataOf(5);
      item.itemState = state;
      item.hDC = canvas.dc;
      item.rcItem = rect;
      SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    };
    draw(0, {0, 0, kItemWidth, 20});
    draw(ODS_SELECTED, {0, 20, kItemWidth, 40});
  });
  RunWith(owner);

  // Left of the text (which starts 10 pixels in): the unselected fill, then
  // the selected item's outline and its gradient, green up by 14 a row.
  EXPECT_EQ(canvas.At(3, 10), RGB(0, 120, 153));
  EXPECT_EQ(canvas.At(3, 21), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(3, 22), RGB(0, 14, 255));
  EXPECT_EQ(canvas.At(3, 38), RGB(0, 238, 255));
  EXPECT_NE(canvas.At(3, 20), canvas.At(3, 21));  // the outline
  // The context is given back as it was lent.
  EXPECT_EQ(GetTextColor(canvas.dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);
}

}  // namespace
}  // namespace varkel::win32
