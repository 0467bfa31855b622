// Arbitrary Macro.dat bytes through LoadMacros; what loads must save and load
// back unchanged.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "macros/MacroFile.h"

using namespace varkel;

namespace {
class SilentDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  SilentDialogs dialogs;
  MacroFileContext ctx{folder.ini, folder.files, dialogs};
  const std::u16string path = folder.Put(u"Macro.dat", data, size);

  MacroTable table;
  LoadMacros(ctx, path, table);
  if (table.macroCount < 0 || table.macroCount > kMacroSlots) std::abort();
  if (table.currentMacro < 0 || table.currentMacro >= kMacroSlots) std::abort();

  const std::u16string copy = u"C:\\p\\copy.dat";
  SaveMacros(folder.ini, copy, table);
  MacroTable again;
  LoadMacros(ctx, copy, again);
  if (again.macroCount != table.macroCount) std::abort();
  for (int i = 0; i < table.macroCount; ++i) {
    if (!(again.macros[i] == table.macros[i])) std::abort();
  }
  return 0;
}
