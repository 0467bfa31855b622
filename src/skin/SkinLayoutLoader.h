#pragma once
// Fills SkinLayout from the four layout files of the skin folder, key by key
// in start-up order. Each stops at the first missing file, after its message
// and ShutdownDriver, and then returns false.
#include <string_view>

#include "skin/SkinLayout.h"
#include "skin/SkinValue.h"

namespace varkel {

// "skin_main.ini", "skin_color.ini", "skin_advance.ini": the three tables, the
// function names and the four control places.
bool ReadMainWindowLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout);

// "LBWarning.ini": the warning popup's table. Start-up reads it after the
// current profile.
bool ReadWarningLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout);

// Both, in that order.
bool ReadSkinLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout);

}  // namespace varkel
