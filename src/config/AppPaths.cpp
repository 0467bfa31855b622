#include "config/AppPaths.h"

namespace varkel {

std::u16string ExeDirOf(std::u16string_view exePath) {
  exePath = exePath.substr(0, exePath.find(u'\0'));
  const auto slash = exePath.rfind(u'\\');
  if (slash == std::u16string_view::npos) return {};
  return std::u16string(exePath.substr(0, slash));
}

std::u16string AppNameOf(std::u16string_view exePath) {
  exePath = exePath.substr(0, exePath.find(u'\0'));
  const auto slash = exePath.rfind(u'\\');
  std::u16string_view name = slash == std::u16string_view::npos ? exePath : exePath.substr(slash + 1);
  return std::u16string(name.substr(0, name.rfind(u'.')));
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  path += u'\\';
  path += name;
  return path;
}

AppPaths MakeAppPaths(std::u16string exeDir) {
  AppPaths paths;
  paths.exeDir = std::move(exeDir);
  paths.skinDir = JoinPath(paths.exeDir, u"skins");
  paths.configPath = JoinPath(paths.exeDir, u"config.ini");
  paths.macroPath = JoinPath(paths.exeDir, u"Macro.dat");
  paths.maskPath = JoinPath(paths.skinDir, u"main_mask.jpg");
  return paths;
}

}  // namespace varkel
