#pragma once
// The main page's restore element: all five stored profiles and the macros
// back to their factory state, and the current profile written to the mouse.
#include <functional>

#include "device/DeviceContext.h"
#include "macros/MacroFile.h"

namespace varkel {

// The default macros, shipped in the skin folder.
inline constexpr char16_t kDefaultMacroFile[] = u"defMacro.dat";

// refreshMacroPage runs once the default macros are loaded, before they are
// saved to Macro.dat: when the advanced page is up it lists them again.
// "CurConfig" keeps its number. Asks no confirmation.
void RestoreDefaults(DeviceContext& device, MacroFileContext& macroFiles, MacroTable& macros,
                     const std::function<void()>& refreshMacroPage);

}  // namespace varkel
