#pragma once
// Regions as GDI region handles, and windows shaped by them.
#include <windows.h>

#include "platform/WindowShape.h"

namespace varkel::win32 {

// One ExtCreateRegion call over the region's bands. The caller owns the handle.
HRGN CreateRegionHandle(const Region& region);

class Win32ShapedWindow : public ShapedWindow {
 public:
  explicit Win32ShapedWindow(HWND window) : window_(window) {}
  // The window takes the region handle over, and redraws.
  void SetShape(const Region& shape) override;

 private:
  HWND window_;
};

}  // namespace varkel::win32
