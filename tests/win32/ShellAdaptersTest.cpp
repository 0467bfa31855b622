// The shell's Windows adapters under Wine: menus from resources made
// owner-drawn, the common file dialogs, the child controls' font and colours.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "macros/CZulMenu.h"
#include "platform/win32/Win32ControlColours.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/WideText.h"

namespace varkel::win32 {
namespace {

constexpr int kNestedMenu = 2001;  // tests/win32/ShellTest.rc
constexpr int kManyItemsMenu = 2002;

MENUITEMINFOW ItemInfo(HMENU menu, int position) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
  EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item));
  return item;
}

TEST(Win32Menus, RecordsTakeEachItemsTextAndId) {
  Win32Menus menus(GetModuleHandleW(nullptr));
  EXPECT_EQ(menus.Load(9999), nullptr);
  CZulMenu menu;
  ASSERT_TRUE(menu.Load(menus, kNestedMenu));
  menu.MakeOwnerDraw();

  const auto items = menu.Items();
  ASSERT_EQ(items.size(), 6u);
  const std::pair<const char16_t*, std::int32_t> expected[] = {{u"top", -1}, {u"sub", -1}, {u"a", 11},
                                                               {u"bb", 12},  {u"", 0},      {u"ccc", 13}};
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].text, expected[i].first);
    EXPECT_EQ(items[i].id, expected[i].second);
  }
}

TEST(Win32Menus, ConversionShowsInTheSystemsMenu) {
  Win32Menus menus(GetModuleHandleW(nullptr));
  auto loaded = menus.Load(kNestedMenu);
  ASSERT_NE(loaded, nullptr);
  auto* top = static_cast<Win32Menu*>(loaded.get());
  Menu* popup = top->SubMenu(0);
  ASSERT_NE(popup, nullptr);
  Menu* sub = popup->SubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(popup->SubMenu(2), nullptr);
  EXPECT_EQ(popup->ItemId(1), 0);  // the separator

  popup->MakeOwnerDrawn(0, 1000);
  popup->MakeOwnerDrawn(1, 1001);
  popup->MakeOwnerDrawn(2, 1002);
  HMENU popupHandle = static_cast<Win32Menu*>(popup)->Handle();
  const MENUITEMINFOW opener = ItemInfo(popupHandle, 0);
  EXPECT_TRUE(opener.fType & MFT_OWNERDRAW);
  EXPECT_EQ(opener.dwItemData, 1000u);
  EXPECT_EQ(opener.hSubMenu, static_cast<Win32Menu*>(sub)->Handle());  // the sub-menu stays
  const MENUITEMINFOW separator = ItemInfo(popupHandle, 1);
  EXPECT_TRUE(separator.fType & MFT_OWNERDRAW);
  EXPECT_EQ(separator.dwItemData, 1001u);
  const MENUITEMINFOW command = ItemInfo(popupHandle, 2);
  EXPECT_TRUE(command.fType & MFT_OWNERDRAW);
  EXPECT_EQ(command.wID, 13u);
  EXPECT_EQ(command.dwItemData, 1002u);
  EXPECT_EQ(sub->ItemText(1), u"bb");
}

TEST(Win32Menus, AMenuWithMoreItemsThanRecordsKeepsTheRestAsTheyAre) {
  Win32Menus menus(GetModuleHandleW(nullptr));
  CZulMenu menu;
  ASSERT_TRUE(menu.Load(menus, kManyItemsMenu));
  menu.MakeOwnerDraw();
  ASSERT_EQ(menu.Items().size(), 30u);
  EXPECT_EQ(menu.Items()[29].id, 129);
  EXPECT_EQ(menu.Items()[29].text, u"29");
}

TEST(Win32FileDialogs, FilterAndFlagsAsTheSystemTakesThem) {
  EXPECT_EQ(SystemFilter(u"All Files(*.ini)|*.ini||"), std::wstring(L"All Files(*.ini)\0*.ini\0\0", 24));
  EXPECT_EQ(SystemFlags(file_dialog::kReadOnly | file_dialog::kHideReadOnly),
            static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLESIZING | OFN_READONLY | OFN_HIDEREADONLY));
  EXPECT_EQ(SystemFlags(file_dialog::kHideReadOnly | file_dialog::kOverwritePrompt),
            static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
}

// Answers the next file dialog of this process as a person would: types a
// name into it and presses OK, or presses Cancel.
class DialogAnswerer {
 public:
  DialogAnswerer(std::wstring name, bool cancel)
      : thread_([this, name = std::move(name), cancel] { Answer(name, cancel); }) {}
  ~DialogAnswerer() { thread_.join(); }
  bool Found() const { return found_; }

 private:
  static HWND FindDialog() {
    struct Search {
      HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (process != GetCurrentProcessId() || std::wstring(name) != L"#32770" || !IsWindowVisible(window))
            return TRUE;
          reinterpret_cast<Search*>(data)->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  void Answer(const std::wstring& name, bool cancel) {
    HWND dialog = nullptr;
    for (int i = 0; i < 300 && !dialog; ++i) {
      Sleep(50);
      dialog = FindDialog();
    }
    if (!dialog) return;
    found_ = true;
    Sleep(200);  // let it fill its lists
    if (!cancel) {
      // The name box is a combo box or an edit, depending on the style.
      SetDlgItemTextW(dialog, cmb13, name.c_str());
      SetDlgItemTextW(dialog, edt1, name.c_str());
    }
    PostMessageW(dialog, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
  }

  std::atomic<bool> found_{false};
  std::thread thread_;
};

std::u16string TempFolder() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  std::wstring folder(path);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return FromWide(folder);
}

TEST(Win32FileDialogs, ChosenNameIsAFullPathInTheInitialFolderWithTheDefaultExtension) {
  const std::u16string folder = TempFolder();
  Win32FileDialogs dialogs;
  FileDialogRequest save{FileDialogKind::Save, u"All Files(*.ini)|*.ini||",
                         file_dialog::kHideReadOnly | file_dialog::kOverwritePrompt, u"ini", folder};
  std::optional<std::u16string> chosen;
  {
    DialogAnswerer person(L"varkel-export-test", false);
    chosen = dialogs.Choose(save);
    EXPECT_TRUE(person.Found());
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, folder + u"\\varkel-export-test.ini");

  FileDialogRequest open{FileDialogKind::Open, u"All Files(*.ini)|*.ini||",
                         file_dialog::kReadOnly | file_dialog::kHideReadOnly, u"", folder};
  {
    DialogAnswerer person(L"", true);
    chosen = dialogs.Choose(open);
    EXPECT_TRUE(person.Found());
  }
  EXPECT_EQ(chosen, std::nullopt);
}

TEST(Win32ControlColours, ControlCanvasGetsTheFontAndColours) {
  Win32ControlColours colours;
  const GraphicsObject font = colours.MakeFont(u"宋体", 100);
  const GraphicsObject brush = colours.MakeSolidBrush({0, 0, 0});
  ASSERT_NE(font, 0);
  ASSERT_NE(brush, 0);
  LOGFONTW made{};
  ASSERT_NE(GetObjectW(reinterpret_cast<HGDIOBJ>(font), sizeof(made), &made), 0);
  EXPECT_EQ(std::wstring(made.lfFaceName), L"宋体");
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(made.lfHeight, -(GetDeviceCaps(screen, LOGPIXELSY) * 100 / 720));
  ReleaseDC(nullptr, screen);

  HDC canvas = CreateCompatibleDC(nullptr);
  colours.StyleControl(reinterpret_cast<std::uintptr_t>(canvas), font, {255, 255, 255}, {0, 0, 0});
  EXPECT_EQ(GetTextColor(canvas), RGB(255, 255, 255));
  EXPECT_EQ(GetBkColor(canvas), RGB(0, 0, 0));
  EXPECT_EQ(GetCurrentObject(canvas, OBJ_FONT), reinterpret_cast<HGDIOBJ>(font));
  DeleteDC(canvas);
  colours.Release(font);
  colours.Release(brush);
}

}  // namespace
}  // namespace varkel::win32
