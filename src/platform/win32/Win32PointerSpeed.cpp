#include "platform/win32/Win32PointerSpeed.h"

#include <windows.h>

#include <cstdint>

namespace varkel::win32 {

std::optional<int> Win32PointerSpeed::Get() {
  int speed = 0;
  if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
  return speed;
}

void Win32PointerSpeed::Set(int speed) {
  // The speed travels in the pointer argument itself. Wine reads it from the
  // first argument instead (and would store 0), so it goes in both.
  SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                        reinterpret_cast<void*>(static_cast<std::intptr_t>(speed)),
                        SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace varkel::win32
