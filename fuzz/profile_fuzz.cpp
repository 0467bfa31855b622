// Arbitrary config.ini bytes through LoadCurrentProfile and LoadProfile of
// one kind of section, then a save that must load back as saved. The file's
// last byte also picks the section, so that over a run every kind is loaded
// while each execution loads one ('\n' picks [Config1]).
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "FuzzFiles.h"
#include "config/ProfileStore.h"

using namespace varkel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  PortableIni& ini = folder.ini;
  const AppPaths paths = MakeAppPaths(std::u16string(fuzz::MemoryFolder::kPath));
  folder.Put(u"config.ini", data, size);

  ProfileModel model;
  LoadCurrentProfile(ini, paths, model);
  constexpr std::int32_t kNumbers[] = {-1, 0, 5, 1, 6, 7, 2147483647};
  const std::uint8_t pick = size > 0 ? data[size - 1] : 0;
  LoadProfile(ini, paths.configPath, kNumbers[pick % std::size(kNumbers)], pick >= 0x80, model);

  const MouseProfile loaded = model.profile;
  SaveProfile(ini, paths.configPath, 3, model);
  model.profile = MouseProfile{};
  LoadProfile(ini, paths.configPath, 3, false, model);
  MouseProfile expected = loaded;
  for (auto& enabled : expected.dpiSetEnabled) enabled = enabled != 0;
  // Members wider than what a read takes (4 characters) do not survive.
  const auto fits = [](std::int32_t v) { return v >= -999 && v <= 9999; };
  bool comparable = fits(loaded.dpiLevel) && fits(loaded.wheelStatus) && fits(loaded.macroMode);
  for (auto code : loaded.buttons) comparable = comparable && fits(code);
  if (comparable && !(model.profile == expected)) std::abort();
  return 0;
}
