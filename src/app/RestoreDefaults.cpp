#include "app/RestoreDefaults.h"

#include <mutex>

#include "config/FactoryDefaults.h"
#include "device/ApplyProfile.h"

namespace varkel {

void RestoreDefaults(DeviceContext& device, MacroFileContext& macroFiles, MacroTable& macros,
                     const std::function<void()>& refreshMacroPage) {
  {
    // One hold: the driver's profile cycling never sees a half-restored profile.
    std::lock_guard lock(device.model.lock);
    RestoreDefaultProfiles(device.ini, device.paths.configPath, device.model);
  }
  LoadMacros(macroFiles, JoinPath(device.paths.skinDir, kDefaultMacroFile), macros);
  if (refreshMacroPage) refreshMacroPage();
  SaveMacros(device.ini, device.paths.macroPath, macros);
  ApplyProfile(device);
}

}  // namespace varkel
