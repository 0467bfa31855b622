// Runs the ini conformance table through the varkel-ini program, natively
// (PortableIni, Windows results) or on Windows (Win32Ini; under Wine, Wine's
// results), and checks its usage errors.
//   varkel-ini-conformance PATH-OF-varkel-ini
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ini/IniConformance.h"
#include "platform/portable/Utf8Text.h"

#ifdef _WIN32
#include "platform/win32/ChildProcess.h"
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace varkel {
namespace {

struct ToolResult {
  int exitCode = -1;
  std::string output;
};

#ifdef _WIN32
constexpr bool kUnderWine = true;

ToolResult RunTool(const std::vector<std::u16string>& args) {
  const auto result = win32::RunChildProcess(args);
  return {result.exitCode, result.output};
}

std::u16string ToolPath(const std::filesystem::path& path) {
  const std::wstring wide = path.wstring();
  return std::u16string(wide.begin(), wide.end());
}
#else
constexpr bool kUnderWine = false;

ToolResult RunTool(const std::vector<std::u16string>& args) {
  std::vector<std::string> bytes;
  for (const auto& arg : args) bytes.push_back(ToUtf8(arg));
  std::vector<char*> argv;
  for (auto& arg : bytes) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  ToolResult result;
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    result.output.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipeEnds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return result;
  result.exitCode = WEXITSTATUS(status);
  return result;
}

std::u16string ToolPath(const std::filesystem::path& path) { return FromUtf8(path.string()); }
#endif

// IniFiles by way of the command-line program.
class ToolIni : public IniFiles {
 public:
  explicit ToolIni(std::u16string tool) : tool_(std::move(tool)) {}

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def) override {
    const auto result = RunTool({tool_, u"get", std::u16string(path), std::u16string(section),
                                 std::u16string(key), FromUtf8(std::to_string(capacity)),
                                 std::u16string(def)});
    std::string value = result.output;
    if (result.exitCode != 0 || value.empty() || value.back() != '\n') {
      return u"<exit " + FromUtf8(std::to_string(result.exitCode)) + u", output \"" +
             FromUtf8(value) + u"\">";
    }
    value.pop_back();
    return FromUtf8(value);
  }

  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    const auto result = RunTool({tool_, u"set", std::u16string(path), std::u16string(section),
                                 std::u16string(key), std::u16string(value)});
    if (result.exitCode != 0) ++failedWrites;
  }

  int failedWrites = 0;

 private:
  std::u16string tool_;
};

int CheckUsageErrors(const std::u16string& tool, const std::u16string& file) {
  const std::vector<std::vector<std::u16string>> misuses = {
      {},
      {u"get", file, u"S", u"k"},
      {u"get", file, u"S", u"k", u"ten"},
      {u"get", file, u"S", u"k", u"-1"},
      {u"get", file, u"S", u"k", u"5", u"d", u"extra"},
      {u"set", file, u"S", u"k"},
      {u"set", file, u"S", u"k", u"v", u"extra"},
      {u"put", file, u"S", u"k", u"v"},
  };
  int faults = 0;
  for (const auto& misuse : misuses) {
    std::vector<std::u16string> args = {tool};
    args.insert(args.end(), misuse.begin(), misuse.end());
    const auto result = RunTool(args);
    if (result.exitCode != 2 || !result.output.empty()) {
      std::printf("usage error not reported (exit %d, output \"%s\") for:", result.exitCode,
                  result.output.c_str());
      for (const auto& arg : misuse) std::printf(" %s", ToUtf8(arg).c_str());
      std::printf("\n");
      ++faults;
    }
  }
  return faults;
}

int Run(const std::filesystem::path& toolPath) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("varkel-ini-conformance-" + std::to_string(static_cast<long long>(std::rand())));
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder);
  const std::filesystem::path hostFile = folder / "case.ini";
  ToolIni ini(ToolPath(toolPath));
  int faults = 0;
  for (const auto& c : ini_conformance::Cases()) {
    const auto found = ini_conformance::RunCase(c, ini, ToolPath(hostFile), hostFile, kUnderWine);
    for (const auto& fault : found) std::printf("%s: %s\n", std::string(c.name).c_str(), fault.c_str());
    faults += static_cast<int>(found.size());
  }
  if (ini.failedWrites != 0) {
    std::printf("%d writes ended with a non-zero exit code\n", ini.failedWrites);
    ++faults;
  }
  faults += CheckUsageErrors(ToolPath(toolPath), ToolPath(hostFile));
  std::filesystem::remove_all(folder, error);
  std::printf("%zu cases, %d faults\n", ini_conformance::Cases().size(), faults);
  return faults == 0 ? 0 : 1;
}

}  // namespace
}  // namespace varkel

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: varkel-ini-conformance PATH-OF-varkel-ini\n", stderr);
    return 2;
  }
  return varkel::Run(argv[1]);
}
