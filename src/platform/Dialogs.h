#pragma once
// The program's messages: an OK button, no icon, the application's name as
// caption, owned by the main window. Modal on the calling thread; never shown
// under the profile lock (the interface thread may be waiting for it).
#include <string_view>

namespace varkel {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(std::u16string_view text) = 0;
};

}  // namespace varkel
