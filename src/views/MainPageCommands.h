#pragma once
// What the profile elements do to the working profile and config.ini. None
// of them talks to the mouse; apply (ApplyProfile) does that.
#include "views/ViewContext.h"

namespace varkel {

// Save: the working profile into its own section.
void SaveWorkingProfile(ViewContext& ctx);
// Profile button n: it becomes the current profile and is loaded.
void ChooseProfile(ViewContext& ctx, std::int32_t n);
// Close: unapplied edits are dropped by loading what the last apply wrote,
// keeping the DPI level as it is now (also when the mouse changed it).
void ReturnToAppliedProfile(ViewContext& ctx);

}  // namespace varkel
