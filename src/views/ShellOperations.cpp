#include "views/ShellOperations.h"

// Not built yet: each does nothing.
namespace varkel {

void HideToTray(ViewContext&, Window&) {}
void ImportProfile(ViewContext&, Window&) {}
void ExportProfile(ViewContext&, Window&) {}
void RestoreDefaults(ViewContext&, Window&) {}

}  // namespace varkel
