#pragma once
// Window message numbers as the system defines them, for the portable
// window classes' message maps.
#include <cstdint>

namespace varkel::msg {

inline constexpr std::uint32_t kDestroy = 0x0002;
inline constexpr std::uint32_t kSize = 0x0005;
inline constexpr std::uint32_t kSetFocus = 0x0007;
inline constexpr std::uint32_t kKillFocus = 0x0008;
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kEraseBackground = 0x0014;
inline constexpr std::uint32_t kEndSession = 0x0016;
inline constexpr std::uint32_t kShowWindow = 0x0018;
inline constexpr std::uint32_t kMouseActivate = 0x0021;
inline constexpr std::uint32_t kDrawItem = 0x002B;
inline constexpr std::uint32_t kMeasureItem = 0x002C;
inline constexpr std::uint32_t kQueryDragIcon = 0x0037;
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kChar = 0x0102;
inline constexpr std::uint32_t kSysKeyDown = 0x0104;
inline constexpr std::uint32_t kSysKeyUp = 0x0105;
inline constexpr std::uint32_t kNcLeftButtonDown = 0x00A1;
inline constexpr std::uint32_t kInitDialog = 0x0110;
inline constexpr std::uint32_t kCommand = 0x0111;
inline constexpr std::uint32_t kSysCommand = 0x0112;
inline constexpr std::uint32_t kTimer = 0x0113;
inline constexpr std::uint32_t kHScroll = 0x0114;
inline constexpr std::uint32_t kVScroll = 0x0115;
inline constexpr std::uint32_t kCtlColorEdit = 0x0133;
inline constexpr std::uint32_t kCtlColorListBox = 0x0134;
inline constexpr std::uint32_t kCtlColorButton = 0x0135;
inline constexpr std::uint32_t kCtlColorScrollBar = 0x0137;
inline constexpr std::uint32_t kCtlColorStatic = 0x0138;
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLeftButtonDown = 0x0201;
inline constexpr std::uint32_t kLeftButtonUp = 0x0202;
inline constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;
inline constexpr std::uint32_t kRightButtonDown = 0x0204;
inline constexpr std::uint32_t kRightButtonUp = 0x0205;
inline constexpr std::uint32_t kDeviceChange = 0x0219;
inline constexpr std::uint32_t kUser = 0x0400;

// Answer to kMouseActivate: the click goes through, the window stays inactive.
inline constexpr std::intptr_t kNoActivate = 3;

// Hit code of the caption (non-client messages' wParam).
inline constexpr std::uintptr_t kHitCaption = 2;

// A point in a message's lParam: x in the low, y in the high 16 bits, each signed.
inline std::intptr_t PointParam(std::int32_t x, std::int32_t y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(x) & 0xFFFFu) |
                                    ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16));
}
inline std::int32_t PointX(std::intptr_t param) { return static_cast<std::int16_t>(param & 0xFFFF); }
inline std::int32_t PointY(std::intptr_t param) { return static_cast<std::int16_t>((param >> 16) & 0xFFFF); }

}  // namespace varkel::msg

// System commands (the first argument of msg::kSysCommand, its low four bits cleared).
namespace varkel::syscommand {

inline constexpr std::uint32_t kMinimize = 0xF020;
inline constexpr std::uint32_t kClose = 0xF060;
inline constexpr std::uint32_t kRestore = 0xF120;

}  // namespace varkel::syscommand
