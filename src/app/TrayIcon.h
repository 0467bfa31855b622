#pragma once
// The program's one notification-area icon as it is registered with the
// system: its picture is the program's icon (IDR_MAINFRAME) and its tip the
// application's name (kAppName).
#include <cstdint>

#include "platform/Messages.h"

namespace varkel {

inline constexpr std::uint32_t kTrayIconId = 153;
// The icon calls back with this message: wParam the icon id, lParam the
// mouse message.
inline constexpr std::uint32_t kTrayCallbackMessage = msg::kUser + 1;

}  // namespace varkel
