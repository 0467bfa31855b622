#pragma once
// The two names by which a second copy of the program finds the first one.
// They must change together.
namespace varkel {

// The main window's title, which is also the application's name (the
// executable's name without its extension) and every message box's caption.
inline constexpr char16_t kAppName[] = u"Varkel游戏鼠";

inline constexpr char16_t kInstanceMutexName[] = u"CZUL_TavrinApp";

}  // namespace varkel
