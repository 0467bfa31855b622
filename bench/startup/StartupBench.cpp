// How long a program takes from its process's start to its window on the
// screen, and how much memory it holds once started. Runs inside the Wine
// prefix (or on Windows) and starts the programs itself, so Wine's own prefix
// start (wineserver, services, the desktop) is over before the first run.
//
//   varkel_bench_startup [--runs N] [--settle-ms MS] EXE TITLE [EXE TITLE ...]
//
// The programs take turns, run after run, so that a machine busy with other
// work weighs on each alike. Each run: CreateProcess; "shown" is the first
// moment a visible top-level window of that process carries TITLE (the
// program's main window; the product without a mouse shows its message box
// under that caption instead); "idle" is when WaitForInputIdle returns after
// that, the window's thread having handled its queue, first paint included.
// Unless the window is a message box, the working set (and its peak) is read
// MS after "idle". Then the window is closed (the message box answered) and
// the run waits for the process to end. The first run of each program is
// reported apart: it also pays for the first reading of its files.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr double kGoalMs = 1000;

struct Program {
  std::wstring exe;
  std::wstring title;
};

struct Run {
  double shownMs = -1;
  double idleMs = -1;
  double workingSetMb = -1;
  double peakWorkingSetMb = -1;
  bool messageBox = false;
};

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD process;
  const std::wstring& title;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  if (search.title != text) return TRUE;
  search.found = window;
  return FALSE;
}

HWND ShownWindow(DWORD process, const std::wstring& title) {
  Search search{process, title};
  EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsMessageBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wcscmp(name, L"#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

void ReadMemory(HANDLE process, Run& run) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process, &memory, sizeof memory)) return;
  run.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
  run.peakWorkingSetMb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void EndProcess(HANDLE process) {
  if (WaitForSingleObject(process, kExitTimeoutMs) == WAIT_OBJECT_0) return;
  std::fputs("the program did not end; ended by force\n", stderr);
  TerminateProcess(process, 1);
  WaitForSingleObject(process, kExitTimeoutMs);
}

Run StartOnce(const Program& program, DWORD settleMs) {
  Run run;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  std::wstring commandLine = L"\"" + program.exe + L"\"";
  const double start = Now();
  if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      FolderOf(program.exe).c_str(), &startup, &child)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.exe.c_str(), GetLastError());
    return run;
  }
  HWND window = nullptr;
  while (!(window = ShownWindow(child.dwProcessId, program.title)) && Now() - start < kShowTimeoutMs &&
         WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT)
    Sleep(1);
  if (window) {
    run.shownMs = Now() - start;
    WaitForInputIdle(child.hProcess, kShowTimeoutMs);
    run.idleMs = Now() - start;
    run.messageBox = IsMessageBox(window);
    if (!run.messageBox) {
      Sleep(settleMs);
      ReadMemory(child.hProcess, run);
    }
    // The message box's OK ends the product; closing ends the others.
    PostMessageW(window, run.messageBox ? WM_COMMAND : WM_CLOSE, run.messageBox ? IDOK : 0, 0);
  }
  EndProcess(child.hProcess);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Summarise(const char* what, const std::vector<Run>& runs, double Run::*field, const char* unit) {
  if (runs.empty() || runs[0].*field < 0) return;
  std::vector<double> later;
  for (std::size_t i = 1; i < runs.size(); ++i) later.push_back(runs[i].*field);
  std::printf("  %-12s first %7.1f; later: median %7.1f, max %7.1f %s (%zu runs)\n", what, runs[0].*field,
              later.empty() ? -1.0 : Median(later), later.empty() ? -1.0 : *std::max_element(later.begin(), later.end()),
              unit, later.size());
}

// The C runtime's console output knows no Chinese: the name goes out as UTF-8.
std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(std::max(n, 0)));
  return bytes;
}

void Report(std::size_t number, const Program& program, const std::vector<Run>& runs) {
  std::printf("%zu: %s\n", number, Utf8(program.exe).c_str());
  Summarise("shown", runs, &Run::shownMs, "ms");
  Summarise("idle", runs, &Run::idleMs, "ms");
  Summarise("working set", runs, &Run::workingSetMb, "MB");
  Summarise("peak", runs, &Run::peakWorkingSetMb, "MB");
  const auto within = std::count_if(runs.begin(), runs.end(), [](const Run& r) { return r.shownMs <= kGoalMs; });
  std::printf("  shown within %.0f ms in %td of %zu runs\n", kGoalMs, within, runs.size());
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int runs = 10;
  DWORD settleMs = 1000;
  std::vector<Program> programs;
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--runs") == 0 && i + 1 < argc)
      runs = std::max(1, _wtoi(argv[++i]));
    else if (std::wcscmp(argv[i], L"--settle-ms") == 0 && i + 1 < argc)
      settleMs = static_cast<DWORD>(_wtoi(argv[++i]));
    else if (i + 1 < argc) {
      programs.push_back({argv[i], argv[i + 1]});
      ++i;
    }
  }
  if (programs.empty()) {
    std::fputs("usage: varkel_bench_startup [--runs N] [--settle-ms MS] EXE TITLE [EXE TITLE ...]\n", stderr);
    return 2;
  }
  std::vector<std::vector<Run>> results(programs.size());
  for (int i = 0; i < runs; ++i) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      const Run run = StartOnce(programs[p], settleMs);
      std::printf("run %2d of %zu: shown %7.1f ms, idle %7.1f ms", i + 1, p + 1, run.shownMs, run.idleMs);
      if (run.messageBox) std::printf(" (message box)");
      if (run.workingSetMb >= 0)
        std::printf(", working set %.1f MB (peak %.1f)", run.workingSetMb, run.peakWorkingSetMb);
      std::printf("\n");
      std::fflush(stdout);
      if (run.shownMs < 0) return 1;
      results[p].push_back(run);
    }
  }
  for (std::size_t p = 0; p < programs.size(); ++p) Report(p + 1, programs[p], results[p]);
  return 0;
}
