#include "views/MainPageCommands.h"

#include <mutex>

#include "config/ProfileStore.h"
#include "device/ApplyProfile.h"

namespace varkel {

void SaveWorkingProfile(ViewContext& ctx) {
  {
    std::lock_guard lock(ctx.model.lock);
    SaveProfile(ctx.ini, ctx.paths.configPath, ctx.model.currentProfile, ctx.model);
  }
  ctx.repaint.RepaintWholeWindow();
}

void ChooseProfile(ViewContext& ctx, std::int32_t n) {
  {
    std::lock_guard lock(ctx.model.lock);
    ctx.model.currentProfile = n;
    LoadProfile(ctx.ini, ctx.paths.configPath, n, false, ctx.model);
  }
  ctx.repaint.RepaintWholeWindow();
}

void ReturnToAppliedProfile(ViewContext& ctx) {
  std::lock_guard lock(ctx.model.lock);
  SaveDpiLevel(ctx.ini, ctx.paths.configPath, kLastAppliedProfile, ctx.model);
  LoadProfile(ctx.ini, ctx.paths.configPath, kLastAppliedProfile, false, ctx.model);
}

}  // namespace varkel
