#pragma once
// The application object: records the executable's folder when it is made,
// and its start-up routine lets only one copy of the program run.
#include <string>
#include <string_view>

#include "config/AppPaths.h"
#include "platform/AppStart.h"

namespace varkel {

class CZUL_TavrinApp {
 public:
  // exePath: the running executable's full path as the system gives it.
  explicit CZUL_TavrinApp(std::u16string_view exePath);

  const std::u16string& ExeDir() const { return exeDir_; }
  // The executable's name without its extension: every message box's caption.
  const std::u16string& AppName() const { return appName_; }

  // Ends at once (after restoring the running copy's window) when another
  // copy holds the instance mutex; else runs the main window until it is
  // destroyed. Always false: no message loop of the application's own follows.
  bool InitInstance(AppStart& system);

 private:
  std::u16string exeDir_;
  std::u16string appName_;
};

}  // namespace varkel
