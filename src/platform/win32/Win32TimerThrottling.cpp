#include "platform/win32/Win32TimerThrottling.h"

namespace varkel::win32 {

bool KeepTimerResolutionWhileHidden(SetProcessInformationCall set) {
  if (!set) return false;
  PROCESS_POWER_THROTTLING_STATE state{};
  state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  // Controlled by the process, and off: the timer requests are kept.
  state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  state.StateMask = 0;
  return set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state)) != FALSE;
}

bool KeepTimerResolutionWhileHidden() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  const FARPROC found = GetProcAddress(kernel, "SetProcessInformation");
  return KeepTimerResolutionWhileHidden(reinterpret_cast<SetProcessInformationCall>(
      reinterpret_cast<void*>(found)));
}

}  // namespace varkel::win32
