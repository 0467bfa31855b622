#pragma once
// Profile exchange files: the working profile saved into section "Config7"
// of a file the user chooses, and loaded back from one.
#include "config/AppPaths.h"
#include "config/MouseProfile.h"
#include "platform/FileDialogs.h"
#include "platform/Ini.h"
#include "platform/Repaint.h"

namespace varkel {

constexpr std::int32_t kExchangeProfile = 7;

struct ProfileExchangeContext {
  IniFiles& ini;
  FileDialogs& fileDialogs;
  RepaintRequests& repaint;
  const AppPaths& paths;
  ProfileModel& model;
};

// The dialogs both operations show, starting in the executable's folder.
FileDialogRequest ImportProfileDialog(const AppPaths& paths);
FileDialogRequest ExportProfileDialog(const AppPaths& paths);

// The working profile takes "Config7" of the chosen file; nothing is written.
// A file that holds no profile (no "Config7", or no ini file at all) changes
// nothing, as a cancelled dialog does.
void ImportProfile(ProfileExchangeContext& ctx);

// The working profile goes into "Config7" of the chosen file; the file's
// other sections stay as they are.
void ExportProfile(ProfileExchangeContext& ctx);

}  // namespace varkel
