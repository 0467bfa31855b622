#pragma once
// What the main window's shell elements start: the notification area and the
// profile files. Each is one operation, called by the pointer handling.
#include "platform/Desktop.h"
#include "platform/Window.h"
#include "views/ViewContext.h"

namespace varkel {

// Into the notification area: the icon added, then the window minimised and
// hidden. Elements 13 and 2 (after 2 has gone back to the applied
// configuration) call it with the views' desktop.
void HideToTray(Desktop& desktop, Window& window);
void HideToTray(ViewContext& ctx, Window& window);
// Element 14: a profile exchange file into the working profile; on a chosen
// file, a repaint.
void ImportProfile(ViewContext& ctx, Window& window);
// Element 15: the working profile into an exchange file.
void ExportProfile(ViewContext& ctx, Window& window);
// Element 16: the shipped defaults back into config.ini and the macros.
void RestoreDefaults(ViewContext& ctx, Window& window);

}  // namespace varkel
