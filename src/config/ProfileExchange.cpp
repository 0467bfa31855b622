#include "config/ProfileExchange.h"

#include <mutex>

#include "config/ProfileStore.h"

namespace varkel {
namespace {

constexpr char16_t kProfileFilter[] = u"All Files(*.ini)|*.ini||";
constexpr char16_t kProfileExtension[] = u"ini";

}  // namespace

FileDialogRequest ImportProfileDialog(const AppPaths& paths) {
  return {FileDialogKind::Open, kProfileFilter, file_dialog::kReadOnly | file_dialog::kHideReadOnly, u"",
          paths.exeDir};
}

FileDialogRequest ExportProfileDialog(const AppPaths& paths) {
  return {FileDialogKind::Save, kProfileFilter, file_dialog::kHideReadOnly | file_dialog::kOverwritePrompt,
          kProfileExtension, paths.exeDir};
}

void ImportProfile(ProfileExchangeContext& ctx) {
  const auto path = ctx.fileDialogs.Choose(ImportProfileDialog(ctx.paths));
  if (!path) return;
  // Loading a file without the section would leave an all-zero profile: no
  // left button once applied.
  if (!HoldsProfile(ctx.ini, *path, kExchangeProfile)) return;
  {
    std::lock_guard lock(ctx.model.lock);
    LoadProfile(ctx.ini, *path, kExchangeProfile, false, ctx.model);
  }
  ctx.repaint.RepaintWholeWindow();
}

void ExportProfile(ProfileExchangeContext& ctx) {
  const auto path = ctx.fileDialogs.Choose(ExportProfileDialog(ctx.paths));
  if (!path) return;
  {
    std::lock_guard lock(ctx.model.lock);
    SaveProfile(ctx.ini, *path, kExchangeProfile, ctx.model);
  }
  ctx.repaint.RepaintWholeWindow();
}

}  // namespace varkel
