// The conformance table against the portable adapter, which follows Windows,
// on the disk and on a memory store.
#include <gtest/gtest.h>

#include "ini/IniConformance.h"
#include "platform/portable/MemoryFileStore.h"
#include "platform/portable/PortableIni.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

void ExpectEveryCase(IniFiles& ini, std::u16string_view path,
                     const ini_conformance::CaseFile& file) {
  for (const auto& c : ini_conformance::Cases()) {
    for (const auto& fault : ini_conformance::RunCase(c, ini, path, file, false)) {
      ADD_FAILURE() << c.name << ": " << fault;
    }
  }
}

constexpr std::u16string_view kCaseFile = u"C:\\Varkel\\case.ini";

TEST(PortableIniConformance, EveryCaseBehavesAsOnWindows) {
  TempFolder folder;
  const HostPaths paths(folder.Path());
  PortableIni ini(paths);
  std::filesystem::create_directories(paths.ToHost(u"C:\\Varkel"));
  ExpectEveryCase(ini, kCaseFile, ini_conformance::HostFile(paths.ToHost(kCaseFile)));
}

TEST(PortableIniConformance, EveryCaseBehavesAsOnWindowsInMemory) {
  MemoryFileStore store;
  PortableIni ini(store);
  store.AddFolder(u"C:\\Varkel");
  const ini_conformance::CaseFile file{
      [&](const std::string& bytes) { store.Write(kCaseFile, bytes); },
      [&]() -> std::optional<std::string> {
        const FileBytes bytes = store.Read(kCaseFile);
        if (!bytes) return std::nullopt;
        return *bytes;
      },
      [&] { store.Remove(kCaseFile); }};
  ExpectEveryCase(ini, kCaseFile, file);
}

}  // namespace
}  // namespace varkel
