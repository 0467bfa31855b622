#include "views/ShellOperations.h"

#include "config/ProfileExchange.h"

namespace varkel {
namespace {

ProfileExchangeContext ExchangeContext(ViewContext& ctx) {
  return {ctx.ini, ctx.fileDialogs, ctx.repaint, ctx.paths, ctx.model};
}

}  // namespace

void HideToTray(Desktop& desktop, Window& window) {
  desktop.AddTrayIcon();
  window.Show(ShowCommand::Minimize);
  window.Show(ShowCommand::Hide);
}

void HideToTray(ViewContext& ctx, Window& window) { HideToTray(ctx.desktop, window); }

void ImportProfile(ViewContext& ctx, Window&) {
  ProfileExchangeContext exchange = ExchangeContext(ctx);
  ImportProfile(exchange);
}

void ExportProfile(ViewContext& ctx, Window&) {
  ProfileExchangeContext exchange = ExchangeContext(ctx);
  ExportProfile(exchange);
}

void RestoreDefaults(ViewContext& ctx, Window&) {
  if (ctx.restoreDefaults) ctx.restoreDefaults();
}

}  // namespace varkel
