#pragma once
// The two names by which a second copy of the program finds the first one.
// They must change together.
namespace varkel {

// The main window's title, which is also the shipped executable's name
// without its extension. (Message boxes take their caption from the running
// executable's name, CZUL_TavrinApp::AppName.)
inline constexpr char16_t kAppName[] = u"Varkel游戏鼠";

inline constexpr char16_t kInstanceMutexName[] = u"CZUL_TavrinApp";

}  // namespace varkel
