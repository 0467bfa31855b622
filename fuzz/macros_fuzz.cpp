// Arbitrary Macro.dat bytes through LoadMacros; what loads must save and load
// back unchanged.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "macros/MacroFile.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableIni.h"

using namespace varkel;

namespace {
class SilentDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFolder folder;
  PortableIni ini(folder.Paths());
  PortableFiles files(folder.Paths());
  SilentDialogs dialogs;
  MacroFileContext ctx{ini, files, dialogs};
  const std::u16string path = folder.Put(u"Macro.dat", data, size);

  MacroTable table;
  LoadMacros(ctx, path, table);
  if (table.macroCount < 0 || table.macroCount > kMacroSlots) std::abort();
  if (table.currentMacro < 0 || table.currentMacro >= kMacroSlots) std::abort();

  const std::u16string copy = u"C:\\p\\copy.dat";
  SaveMacros(ini, copy, table);
  MacroTable again;
  LoadMacros(ctx, copy, again);
  if (again.macroCount != table.macroCount) std::abort();
  for (int i = 0; i < table.macroCount; ++i) {
    if (!(again.macros[i] == table.macros[i])) std::abort();
  }
  return 0;
}
