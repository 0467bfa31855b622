// Arbitrary bytes as every layout file of the skin: the whole layout read in
// start-up order, and every function name looked up.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "skin/SkinLayoutLoader.h"

using namespace varkel;

namespace {
class CountingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view) override { ++shown; }
  int shown = 0;
};
class CountingShutdown final : public Shutdown {
 public:
  void ShutdownDriver() override { ++calls; }
  int calls = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  for (const char16_t* name : {u"skin_main.ini", u"skin_color.ini", u"skin_advance.ini",
                               u"LBWarning.ini"}) {
    folder.Put(name, data, size);
  }
  CountingDialogs dialogs;
  CountingShutdown shutdown;
  const SkinReader reader{folder.ini, folder.files, dialogs, shutdown};
  SkinLayout layout;
  if (!ReadSkinLayout(reader, fuzz::MemoryFolder::kPath, layout)) std::abort();  // every file is there
  if (shutdown.calls != 0) std::abort();
  for (std::int32_t code : {-2147483647 - 1, -1, 0, 1, 54, 55, 255, 2147483647}) {
    FunctionName(layout, code);
  }
  return 0;
}
