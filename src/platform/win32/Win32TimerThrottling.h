#pragma once
// Since Windows 11 a process whose windows are all hidden or minimised no
// longer gets the timer resolution it raises, unless it says it needs it.
// Hidden in the notification area is this program's normal state while it
// plays macros, whose steps are timed to the millisecond.
#include <windows.h>

namespace varkel::win32 {

using SetProcessInformationCall = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);

// Asks, through `set`, that the process keep its timer resolution while
// hidden. Without the call (before Windows 8) or when it is refused (before
// Windows 11, Wine) nothing changes. Returns whether the system took it.
bool KeepTimerResolutionWhileHidden(SetProcessInformationCall set);

// The same with the system's SetProcessInformation, looked up at run time
// so that the program still starts where kernel32 lacks it.
bool KeepTimerResolutionWhileHidden();

}  // namespace varkel::win32
