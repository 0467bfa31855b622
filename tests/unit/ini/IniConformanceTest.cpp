// The conformance table against the portable adapter, which follows Windows.
#include <gtest/gtest.h>

#include "ini/IniConformance.h"
#include "platform/portable/PortableIni.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

TEST(PortableIniConformance, EveryCaseBehavesAsOnWindows) {
  TempFolder folder;
  const HostPaths paths(folder.Path());
  PortableIni ini(paths);
  const std::u16string file = u"C:\\Varkel\\case.ini";
  std::filesystem::create_directories(paths.ToHost(u"C:\\Varkel"));
  for (const auto& c : ini_conformance::Cases()) {
    for (const auto& fault : ini_conformance::RunCase(c, ini, file, paths.ToHost(file), false)) {
      ADD_FAILURE() << c.name << ": " << fault;
    }
  }
}

}  // namespace
}  // namespace varkel
