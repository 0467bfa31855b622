#pragma once
// The system clock's time of day, UTC.
#include <windows.h>

#include "platform/TimeOfDay.h"

namespace varkel::win32 {

class Win32TimeOfDay final : public TimeOfDay {
 public:
  std::int32_t MillisecondsOfDay() override {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
  }
};

}  // namespace varkel::win32
