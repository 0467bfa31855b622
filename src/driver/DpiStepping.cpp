#include "driver/DpiStepping.h"

#include <algorithm>
#include <mutex>

#include "config/ProfileStore.h"

namespace varkel {

std::int32_t NextDpiLevel(std::int32_t level, const std::array<std::uint8_t, kDpiLevelCount>& enabled,
                          DpiStep step) {
  switch (step) {
    case DpiStep::Down:
      for (std::int32_t l = std::min(level - 1, kDpiLevelCount - 1); l >= 0; --l) {
        if (enabled[l]) return l;
      }
      return level;
    case DpiStep::Up:
      for (std::int32_t l = std::max(level + 1, 0); l < kDpiLevelCount; ++l) {
        if (enabled[l]) return l;
      }
      return level;
    case DpiStep::Cycle: {
      // The levels after this one, wrapping round; a level out of range is
      // followed by level 0. A single enabled level stays.
      const bool inRange = level >= 0 && level < kDpiLevelCount;
      const std::int32_t first = inRange ? level + 1 : 0;
      for (std::int32_t i = 0; i < kDpiLevelCount - (inRange ? 1 : 0); ++i) {
        const std::int32_t l = (first + i) % kDpiLevelCount;
        if (enabled[l]) return l;
      }
      return level;
    }
    case DpiStep::None:
      break;
  }
  return level;
}

void StepDpiLevel(DriverContext& ctx, DpiStep step) {
  {
    std::lock_guard lock(ctx.model.lock);
    MouseProfile& p = ctx.model.profile;
    p.dpiLevel = NextDpiLevel(p.dpiLevel, p.dpiSetEnabled, step);
  }
  if (ctx.sendDpiReport) ctx.sendDpiReport();
  ctx.repaint.RepaintWholeWindow();
  std::lock_guard lock(ctx.model.lock);
  SaveDpiLevel(ctx.ini, ctx.paths.configPath, ctx.model.currentProfile, ctx.model);
}

}  // namespace varkel
