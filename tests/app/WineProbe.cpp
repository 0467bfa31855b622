// Looks at and pokes the program's windows and processes from inside the
// Wine prefix, for the Wine tests.
//
//   varkel_probe windows TITLE     number of top-level windows with this title
//   varkel_probe visible TITLE     1 if the first one is shown and not minimised
//   varkel_probe hide TITLE        hides it
//   varkel_probe close TITLE       asks it to close (WM_CLOSE)
//   varkel_probe processes NAME    number of processes of this executable name
//   varkel_probe text TITLE ID     the text of control ID of that window (UTF-8)
//   varkel_probe message TITLE     the text of a message box with this caption (UTF-8)
//   varkel_probe answer TITLE      presses that message box's OK button
//   varkel_probe pointer-speed -   the Windows pointer speed (1 to 20)
//   varkel_probe set-pointer-speed N
//   varkel_probe post TITLE MSG WPARAM LPARAM   posts a message to that window
//                                  (numbers decimal or 0x-hex)
//   varkel_probe press TITLE ID    presses button ID of that window
//   varkel_probe tray TITLE        1 if that window has its notification-area icon (id 153)
//   varkel_probe popup -           "LEFT TOP RIGHT BOTTOM" of the open popup menu, or nothing
//   varkel_probe foreground -      the title of the window in front (UTF-8)
//   varkel_probe item-rect TITLE ID   "LEFT TOP RIGHT BOTTOM" of control ID of
//                                  that window, in screen pixels (for clicks)
// Prints the number asked for; exit code 2 on a usage error.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// A message box's text is its static control 0xFFFF.
constexpr int kMessageTextId = 0xFFFF;
// The program's notification-area icon.
constexpr UINT kTrayIconId = 153;

struct Search {
  std::wstring title;
  int count = 0;
  HWND first = nullptr;
  HWND messageBox = nullptr;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  if (search.title == text) {
    if (!search.first) search.first = hwnd;
    ++search.count;
    if (!search.messageBox && GetDlgItem(hwnd, kMessageTextId)) search.messageBox = hwnd;
  }
  return TRUE;
}

Search FindWindows(const std::wstring& title) {
  Search search{title};
  EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&search));
  return search;
}

int CountProcesses(const std::wstring& name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (_wcsicmp(entry.szExeFile, name.c_str()) == 0) ++count;
  CloseHandle(snapshot);
  return count;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3 || (argc > 4 && argc != 6)) {
    std::fputs("usage: varkel_probe windows|visible|hide|close|processes NAME, or text TITLE ID\n", stderr);
    return 2;
  }
  const std::wstring command = argv[1];
  const std::wstring name = argv[2];
  if (command == L"pointer-speed") {
    int speed = 0;
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
    std::printf("%d\n", speed);
    return 0;
  }
  if (command == L"set-pointer-speed") {
    const int speed = _wtoi(name.c_str());
    // Wine takes the value from the first argument, Windows from the second.
    SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                          reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), SPIF_SENDCHANGE);
    std::printf("%d\n", speed);
    return 0;
  }
  if (command == L"popup") {
    HWND menu = FindWindowW(L"#32768", nullptr);
    RECT r{};
    if (menu && IsWindowVisible(menu) && GetWindowRect(menu, &r))
      std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (command == L"foreground") {
    wchar_t text[256] = {};
    if (const HWND window = GetForegroundWindow()) GetWindowTextW(window, text, 256);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
  }
  if (command == L"processes") {
    std::printf("%d\n", CountProcesses(name));
    return 0;
  }
  const Search found = FindWindows(name);
  if (command == L"windows") {
    std::printf("%d\n", found.count);
  } else if (command == L"visible") {
    std::printf("%d\n", found.first && IsWindowVisible(found.first) && !IsIconic(found.first) ? 1 : 0);
  } else if (command == L"hide") {
    if (found.first) ShowWindow(found.first, SW_HIDE);
    std::printf("%d\n", found.first ? 1 : 0);
  } else if ((command == L"text" && argc == 4) || command == L"message") {
    const bool message = command == L"message";
    const HWND window = message ? found.messageBox : found.first;
    wchar_t text[512] = {};
    if (window) GetDlgItemTextW(window, message ? kMessageTextId : _wtoi(argv[3]), text, 512);
    char utf8[2048] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
  } else if (command == L"answer") {
    if (found.messageBox) PostMessageW(found.messageBox, WM_COMMAND, IDOK, 0);
    std::printf("%d\n", found.messageBox ? 1 : 0);
  } else if (command == L"post" && argc == 6) {
    const auto number = [&](int i) { return std::wcstoull(argv[i], nullptr, 0); };
    if (found.first)
      PostMessageW(found.first, static_cast<UINT>(number(3)), static_cast<WPARAM>(number(4)),
                   static_cast<LPARAM>(number(5)));
    std::printf("%d\n", found.first ? 1 : 0);
  } else if (command == L"press" && argc == 4) {
    if (found.first) PostMessageW(found.first, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[3])), 0);
    std::printf("%d\n", found.first ? 1 : 0);
  } else if (command == L"tray") {
    // Changing nothing of an icon succeeds only when the icon is there.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = found.first;
    icon.uID = kTrayIconId;
    std::printf("%d\n", found.first && Shell_NotifyIconW(NIM_MODIFY, &icon) ? 1 : 0);
  } else if (command == L"item-rect" && argc == 4) {
    RECT rect{};
    const HWND item = found.first ? GetDlgItem(found.first, _wtoi(argv[3])) : nullptr;
    if (item) GetWindowRect(item, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
  } else if (command == L"close") {
    if (found.first) PostMessageW(found.first, WM_CLOSE, 0, 0);
    std::printf("%d\n", found.first ? 1 : 0);
  } else {
    std::fputs("unknown command\n", stderr);
    return 2;
  }
  return 0;
}
