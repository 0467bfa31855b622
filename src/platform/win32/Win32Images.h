#pragma once
// Skin images decoded by GDI+ (JPEG and BMP alike).
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

}  // namespace varkel::win32
