#pragma once
// The executable's folder and the files formed from it. Windows paths: a
// backslash and the name appended to the folder.
#include <string>
#include <string_view>

namespace varkel {

struct AppPaths {
  std::u16string exeDir;      // no trailing backslash; "C:" for a root-drive exe
  std::u16string skinDir;     // exeDir + "\skins"
  std::u16string configPath;  // exeDir + "\config.ini"
  std::u16string macroPath;   // exeDir + "\Macro.dat"
  std::u16string maskPath;    // skinDir + "\main_mask.jpg"
};

// exeDir from the executable's full path: everything before the last
// backslash, empty without one. The path is taken up to its first NUL.
std::u16string ExeDirOf(std::u16string_view exePath);

// The application's name: the executable's file name without its extension
// ("Varkel游戏鼠" for "...\Varkel游戏鼠.exe"), taken up to the path's first NUL.
std::u16string AppNameOf(std::u16string_view exePath);

// Fills the paths formed from exeDir.
AppPaths MakeAppPaths(std::u16string exeDir);

// folder + "\" + name
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

}  // namespace varkel
