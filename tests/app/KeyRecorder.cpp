// A small window of the tests' own that records the keys and mouse buttons
// it receives, for the journeys: what the program's driver types must arrive
// in a window that has the keyboard, as in any other program. Not shipped.
//
//   varkel_key_recorder [FILE]
//
// Each key or button message the window gets is appended to FILE (a Windows
// path; nothing is written without one) as soon as it arrives, one line each
// (LF line ends):
//   key VK down|up TIME        VK in hex (0x43), system keys included
//   button left|right|middle down|up TIME
// TIME is the message's time in milliseconds (GetMessageTime): when the
// input happened, so the gaps between lines are the gaps between the events.
// The window (titled "Varkel key recorder") also shows the last lines.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>

namespace {

constexpr wchar_t kTitle[] = L"Varkel key recorder";
constexpr std::size_t kShownLines = 16;

struct Recorder {
  std::FILE* file = nullptr;
  std::deque<std::wstring> shown;

  void Record(const std::wstring& line, HWND window) {
    if (file) {
      std::fprintf(file, "%ls\n", line.c_str());
      std::fflush(file);
    }
    shown.push_back(line);
    if (shown.size() > kShownLines) shown.pop_front();
    InvalidateRect(window, nullptr, TRUE);
  }
};

Recorder recorder;

std::wstring KeyLine(WPARAM vk, bool down) {
  wchar_t line[64];
  std::swprintf(line, 64, L"key 0x%02X %ls %ld", static_cast<unsigned>(vk), down ? L"down" : L"up",
                static_cast<long>(GetMessageTime()));
  return line;
}

std::wstring ButtonLine(const wchar_t* button, bool down) {
  wchar_t line[64];
  std::swprintf(line, 64, L"button %ls %ls %ld", button, down ? L"down" : L"up", static_cast<long>(GetMessageTime()));
  return line;
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  int y = 4;
  for (const auto& line : recorder.shown) {
    TextOutW(dc, 6, y, line.c_str(), static_cast<int>(line.size()));
    y += 16;
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      recorder.Record(KeyLine(wParam, true), window);
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      recorder.Record(KeyLine(wParam, false), window);
      return 0;
    case WM_LBUTTONDOWN: recorder.Record(ButtonLine(L"left", true), window); return 0;
    case WM_LBUTTONUP: recorder.Record(ButtonLine(L"left", false), window); return 0;
    case WM_RBUTTONDOWN: recorder.Record(ButtonLine(L"right", true), window); return 0;
    case WM_RBUTTONUP: recorder.Record(ButtonLine(L"right", false), window); return 0;
    case WM_MBUTTONDOWN: recorder.Record(ButtonLine(L"middle", true), window); return 0;
    case WM_MBUTTONUP: recorder.Record(ButtonLine(L"middle", false), window); return 0;
    case WM_PAINT: Paint(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  std::wstring path = commandLine;
  if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
  if (!path.empty()) recorder.file = _wfopen(path.c_str(), L"ab");  // LF line ends

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"VarkelKeyRecorder";
  RegisterClassW(&windowClass);
  // Below the mouse panel, clear of the main window.
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                830, 420, 400, 300, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (recorder.file) std::fclose(recorder.file);
  return 0;
}
