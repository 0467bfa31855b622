#pragma once
// The program's folder for one scenario: a fresh temporary host folder that
// the program sees as "C:\Varkel", made from the shipped data unless the
// script says otherwise, and removed at the end.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varkel::scenario {

class ProgramFolder {
 public:
  static constexpr std::u16string_view kExeDir = u"C:\\Varkel";

  // root: a new empty folder standing for the host's drives.
  explicit ProgramFolder(std::filesystem::path root);
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // Where "C:\Varkel" lies on the host.
  std::filesystem::path Host() const;
  // NAME relative to the program folder, with / or \ between its parts.
  std::filesystem::path HostOf(std::string_view name) const;

  // The shipped skins/default/ as skins/, skins/config.ini and
  // skins/Macro.dat beside the exe. Returns false when the data is missing.
  bool CopyShippedData(const std::filesystem::path& sourceDir, std::string& error);

  // Lines end in CRLF; utf16 writes UTF-16LE with a byte-order mark.
  bool WriteFile(std::string_view name, const std::vector<std::string>& lines, bool utf16);
  bool Remove(std::string_view name);
  // The file's lines as UTF-8 (UTF-16LE with a byte-order mark decoded,
  // other bytes as they are), without line ends; false when it is missing.
  bool ReadLines(std::string_view name, std::vector<std::string>& lines) const;

  // A Windows path of the program, shown relative to its folder.
  static std::string Shown(std::u16string_view windowsPath);

 private:
  std::filesystem::path root_;
};

// A new empty folder under the system's temporary folder.
std::filesystem::path MakeTemporaryFolder();

}  // namespace varkel::scenario
