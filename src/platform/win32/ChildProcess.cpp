#include "platform/win32/ChildProcess.h"

#include <windows.h>

namespace varkel::win32 {
namespace {

// Quoted so that the C runtime's command-line parsing gives arg back.
void AppendQuoted(std::wstring& line, std::u16string_view arg) {
  if (!arg.empty() && arg.find_first_of(u" \t\n\v\"") == std::u16string_view::npos) {
    line.append(arg.begin(), arg.end());
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == u'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += static_cast<wchar_t>(c);
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

}  // namespace

ChildResult RunChildProcess(const std::vector<std::u16string>& args) {
  ChildResult result;
  if (args.empty()) return result;
  std::wstring commandLine;
  for (const auto& arg : args) {
    if (!commandLine.empty()) commandLine += L' ';
    AppendQuoted(commandLine, arg);
  }

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  const std::wstring program(args[0].begin(), args[0].end());
  const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return result;
  }
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    result.output.append(buffer, got);
  }
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  result.exitCode = static_cast<int>(exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace varkel::win32
