// varkel-ini get FILE SECTION KEY CAPACITY [DEFAULT]  -> prints the value read
// varkel-ini set FILE SECTION KEY VALUE
// Arguments and output are UTF-8. FILE is a host path natively and a Windows
// path on Windows; either way it is made absolute first.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Ini.h"
#include "platform/portable/Utf8Text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/Win32Ini.h"
#else
#include "platform/portable/PortableIni.h"
#endif

namespace varkel {
namespace {

constexpr char kUsage[] =
    "usage: varkel-ini get FILE SECTION KEY CAPACITY [DEFAULT]\n"
    "       varkel-ini set FILE SECTION KEY VALUE\n";

constexpr int kUsageError = 2;

bool ParseCapacity(std::u16string_view text, std::size_t& capacity) {
  if (text.empty() || text.size() > 9) return false;
  capacity = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
    capacity = capacity * 10 + static_cast<std::size_t>(c - u'0');
  }
  return true;
}

std::u16string AbsolutePath(const std::u16string& file) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(file), error);
  if (error) return file;
#ifdef _WIN32
  const std::wstring wide = absolute.wstring();
  return std::u16string(wide.begin(), wide.end());
#else
  return FromUtf8(absolute.string());
#endif
}

int Run(const std::vector<std::u16string>& args, IniFiles& ini) {
  const bool get = args.size() >= 5 && args.size() <= 6 && args[0] == u"get";
  const bool set = args.size() == 5 && args[0] == u"set";
  std::size_t capacity = 0;
  if ((!get && !set) || (get && !ParseCapacity(args[4], capacity))) {
    std::fputs(kUsage, stderr);
    return kUsageError;
  }
  const std::u16string file = AbsolutePath(args[1]);
  if (set) {
    ini.Write(file, args[2], args[3], args[4]);
    return 0;
  }
  const std::u16string def = args.size() == 6 ? args[5] : std::u16string();
  const std::string value = ToUtf8(ini.Read(file, args[2], args[3], capacity, def)) + "\n";
  std::fwrite(value.data(), 1, value.size(), stdout);
  return 0;
}

}  // namespace
}  // namespace varkel

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view arg(argv[i]);
    args.emplace_back(arg.begin(), arg.end());
  }
  varkel::win32::Win32Ini ini;
  return varkel::Run(args, ini);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(varkel::FromUtf8(argv[i]));
  const varkel::HostPaths paths("/");
  varkel::PortableIni ini(paths);
  return varkel::Run(args, ini);
}
#endif
