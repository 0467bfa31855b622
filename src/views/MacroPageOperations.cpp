#include "views/MacroPageOperations.h"

// Not built yet: the commands do nothing, nothing records and no list shows.
namespace varkel {

void ImportMacros(ViewContext&, Window&) {}
void ExportMacros(ViewContext&, Window&) {}
void AddMacro(ViewContext&, Window&) {}
void DeleteMacro(ViewContext&, Window&) {}
void ToggleRecording(ViewContext&, Window&) {}
void SaveMacroSettings(ViewContext&, Window&) {}
void ToggleRepeatMode(ViewContext&, Window&) {}

void CreateMacroControls(ViewContext&, Window&) {}
void DestroyMacroControls(ViewContext&, Window&) {}
void ShowMacroList(ViewContext&, Window&) {}

bool IsRecording(const ViewContext&) { return false; }
ListedEventCounts ListedEvents(const ViewContext&) { return {}; }

}  // namespace varkel
