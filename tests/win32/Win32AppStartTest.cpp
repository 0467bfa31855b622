#include <windows.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/win32/Win32AppStart.h"

namespace varkel::win32 {
namespace {

TEST(Win32AppStart, ASecondCreationOfTheMutexFindsTheFirst) {
  const std::u16string name = u"VarkelTestMutex" + std::u16string(1, static_cast<char16_t>(u'A' + GetCurrentProcessId() % 26));
  Win32AppStart first([] {}), second([] {});
  EXPECT_FALSE(first.CreateInstanceMutex(name));
  EXPECT_TRUE(second.CreateInstanceMutex(name));
  second.CloseInstanceMutex();
  first.CloseInstanceMutex();
}

// The program's message boxes carry the main window's title and sit above
// it; a second copy (and the recording hook) must find the main window.
TEST(Win32AppStart, FindsTheMainWindowRatherThanItsMessageBox) {
  const wchar_t title[] = L"Varkel游戏鼠 finder test";
  HWND mainWindow =
      CreateWindowExW(0, L"STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(mainWindow, nullptr);
  HWND found = nullptr;
  bool sawBox = false;
  std::thread finder([&] {
    for (int i = 0; i < 500; ++i) {
      if (HWND box = FindWindowW(L"#32770", title)) {
        sawBox = true;
        found = FindMainWindow(u"Varkel游戏鼠 finder test");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  MessageBoxW(mainWindow, L"a message", title, MB_OK);
  finder.join();
  DestroyWindow(mainWindow);
  EXPECT_TRUE(sawBox);
  EXPECT_EQ(found, mainWindow);
  EXPECT_EQ(FindMainWindow(u"Varkel游戏鼠 finder test"), nullptr);
}

}  // namespace
}  // namespace varkel::win32
