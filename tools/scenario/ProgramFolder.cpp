#include "ProgramFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/portable/Utf8Text.h"

namespace varkel::scenario {
namespace {

std::string Slashed(std::string_view name) {
  std::string s(name);
  for (char& c : s) {
    if (c == '\\') c = '/';
  }
  while (!s.empty() && s.front() == '/') s.erase(s.begin());
  return s;
}

// Memory-backed when there is such a folder: the ini adapter rewrites a file
// on every write, which costs milliseconds on a disk.
std::filesystem::path TemporaryBase() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern = (TemporaryBase() / "varkel-scenario-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

ProgramFolder::ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {
  std::error_code ec;
  std::filesystem::create_directories(Host(), ec);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ec;
  if (!root_.empty()) std::filesystem::remove_all(root_, ec);
}

std::filesystem::path ProgramFolder::Host() const { return root_ / "C" / "Varkel"; }

std::filesystem::path ProgramFolder::HostOf(std::string_view name) const {
  return Host() / Slashed(name);
}

bool ProgramFolder::CopyShippedData(const std::filesystem::path& sourceDir, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path skins = sourceDir / "skins";
  std::error_code ec;
  const auto copyOne = [&](const fs::path& from, const fs::path& to) {
    if (!fs::exists(from)) {
      error = "missing shipped data: " + from.string();
      return false;
    }
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) error = "cannot copy " + from.string() + ": " + ec.message();
    return !ec;
  };
  fs::create_directories(Host() / "skins", ec);
  return copyOne(skins / "default", Host() / "skins") &&
         copyOne(skins / "config.ini", Host() / "config.ini") &&
         copyOne(skins / "Macro.dat", Host() / "Macro.dat");
}

bool ProgramFolder::WriteFile(std::string_view name, const std::vector<std::string>& lines,
                              bool utf16) {
  const std::filesystem::path path = HostOf(name);
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::string bytes;
  if (utf16) {
    bytes = "\xFF\xFE";
    for (const std::string& line : lines) {
      for (char16_t c : FromUtf8(line) + u"\r\n") {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
      }
    }
  } else {
    for (const std::string& line : lines) bytes += line + "\r\n";
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

bool ProgramFolder::Remove(std::string_view name) {
  std::error_code ec;
  return std::filesystem::remove_all(HostOf(name), ec) > 0;
}

bool ProgramFolder::ReadLines(std::string_view name, std::vector<std::string>& lines) const {
  std::ifstream in(HostOf(name), std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string text;
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    text = ToUtf8(units);
  } else {
    text = bytes;
  }
  lines.clear();
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return true;
}

std::string ProgramFolder::Shown(std::u16string_view windowsPath) {
  const std::u16string prefix = std::u16string(kExeDir) + u"\\";
  if (windowsPath.size() > prefix.size() &&
      windowsPath.substr(0, prefix.size()) == prefix) {
    windowsPath.remove_prefix(prefix.size());
  }
  std::string shown = ToUtf8(windowsPath);
  for (char& c : shown) {
    if (c == '\\') c = '/';
  }
  return shown;
}

}  // namespace varkel::scenario
