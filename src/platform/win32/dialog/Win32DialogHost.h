#pragma once
// Dialog windows from the executable's templates, with a modal loop that
// lets the portable classes see each message before it is dispatched.
#include <windows.h>

#include "platform/DialogHost.h"

namespace varkel::win32 {

class Win32DialogHost final : public DialogHost {
 public:
  explicit Win32DialogHost(HINSTANCE instance) : instance_(instance) {}

  int RunModal(int templateId, WindowClass& windowClass, Window* owner) override;
  bool CreateModeless(int templateId, WindowClass& windowClass, Window* owner) override;

 private:
  HINSTANCE instance_;
};

}  // namespace varkel::win32
