// How long the program takes from its process's start to its window on the
// screen, and how much memory the demo holds once started. Runs inside the
// Wine prefix (or on Windows) and starts the program itself, so Wine's own
// prefix start (wineserver, services, the desktop) is over before the first
// run begins.
//
//   varkel_bench_startup EXE [--runs N] [--settle-ms MS]
//
// Each run: CreateProcess; "shown" is the first moment a visible top-level
// window of that process carries the title "Varkel游戏鼠" (the main window of
// the demo; the product without a mouse shows its message box under that
// caption instead); "idle" is when WaitForInputIdle returns after that, the
// window's thread having handled its queue, first paint included. For a
// program whose window is the main window, the working set and the private
// bytes are read MS after "idle"; then the window is closed (the message box
// answered) and the run waits for the process to end.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Varkel游戏鼠";
constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;

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
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  if (std::wcscmp(text, kTitle) != 0) return TRUE;
  search.found = window;
  return FALSE;
}

HWND ShownWindow(DWORD process) {
  Search search{process};
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

Run StartOnce(const std::wstring& exe, DWORD settleMs) {
  Run run;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      FolderOf(exe).c_str(), &startup, &child)) {
    std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
    return run;
  }
  HWND window = nullptr;
  while (!(window = ShownWindow(child.dwProcessId)) && Now() - start < kShowTimeoutMs &&
         WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT)
    Sleep(1);
  if (window) {
    run.shownMs = Now() - start;
    WaitForInputIdle(child.hProcess, kShowTimeoutMs);
    run.idleMs = Now() - start;
    run.messageBox = IsMessageBox(window);
    if (!run.messageBox) {
      Sleep(settleMs);
      PROCESS_MEMORY_COUNTERS memory{};
      memory.cb = sizeof memory;
      if (GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory)) {
        run.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
        run.peakWorkingSetMb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
      }
    }
    // The message box's OK ends the product; closing ends the demo.
    if (run.messageBox)
      PostMessageW(window, WM_COMMAND, IDOK, 0);
    else
      PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(child.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    std::fputs("the program did not end; ended by force\n", stderr);
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, kExitTimeoutMs);
  }
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return run;
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Summarise(const char* what, const std::vector<Run>& runs, double Run::*field, const char* unit) {
  std::vector<double> later;
  for (std::size_t i = 1; i < runs.size(); ++i)
    if (runs[i].*field >= 0) later.push_back(runs[i].*field);
  if (runs.empty() || runs[0].*field < 0) return;
  std::printf("%-12s first %.1f %s; later runs: median %.1f, max %.1f %s (%zu runs)\n", what, runs[0].*field, unit,
              Median(later), later.empty() ? -1.0 : *std::max_element(later.begin(), later.end()), unit,
              later.size());
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::fputs("usage: varkel_bench_startup EXE [--runs N] [--settle-ms MS]\n", stderr);
    return 2;
  }
  const std::wstring exe = argv[1];
  int runs = 10;
  DWORD settleMs = 1000;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::wcscmp(argv[i], L"--runs") == 0) runs = std::max(1, _wtoi(argv[i + 1]));
    if (std::wcscmp(argv[i], L"--settle-ms") == 0) settleMs = static_cast<DWORD>(_wtoi(argv[i + 1]));
  }
  std::vector<Run> results;
  for (int i = 0; i < runs; ++i) {
    const Run run = StartOnce(exe, settleMs);
    std::printf("run %2d: shown %7.1f ms, idle %7.1f ms", i + 1, run.shownMs, run.idleMs);
    if (run.messageBox) std::printf(" (message box)");
    if (run.workingSetMb >= 0)
      std::printf(", working set %.1f MB (peak %.1f)", run.workingSetMb, run.peakWorkingSetMb);
    std::printf("\n");
    std::fflush(stdout);
    if (run.shownMs < 0) return 1;
    results.push_back(run);
  }
  Summarise("shown", results, &Run::shownMs, "ms");
  Summarise("idle", results, &Run::idleMs, "ms");
  const auto withinGoal = std::count_if(results.begin(), results.end(), [](const Run& r) { return r.shownMs <= 1000; });
  std::printf("shown within 1 s in %td of %zu runs\n", withinGoal, results.size());
  Summarise("working set", results, &Run::workingSetMb, "MB");
  Summarise("peak", results, &Run::peakWorkingSetMb, "MB");
  return 0;
}
