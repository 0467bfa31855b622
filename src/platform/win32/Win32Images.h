#pragma once
// Skin images decoded by GDI+ (JPEG and BMP alike).
#include <windows.h>

#include <cstdint>

#include "platform/Images.h"

namespace varkel::win32 {

class Win32Images : public Images {
 public:
  Win32Images();
  ~Win32Images() override;
  Win32Images(const Win32Images&) = delete;
  Win32Images& operator=(const Win32Images&) = delete;

  // Nothing when GDI+ did not start or cannot decode the file.
  std::optional<Bitmap> Load(std::u16string_view path) override;

 private:
  std::uintptr_t gdiplusToken_ = 0;
  bool started_ = false;
};

// A 32-bit top-down device-independent bitmap of the same size and colours,
// to select into a canvas and copy from. The caller deletes it.
HBITMAP CreateDib(const Bitmap& bitmap);

}  // namespace varkel::win32
