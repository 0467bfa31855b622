#pragma once
// What the advanced page's macro elements start, its four child controls,
// and the macro page's state that painting shows.
#include <cstdint>

#include "platform/Window.h"
#include "views/ViewContext.h"

namespace varkel {

// Advanced elements 0-6.
void ImportMacros(ViewContext& ctx, Window& window);
void ExportMacros(ViewContext& ctx, Window& window);
void AddMacro(ViewContext& ctx, Window& window);
void DeleteMacro(ViewContext& ctx, Window& window);
void ToggleRecording(ViewContext& ctx, Window& window);
void SaveMacroSettings(ViewContext& ctx, Window& window);
void ToggleRepeatMode(ViewContext& ctx, Window& window);

// The repeat box, name box, macro list and event list: made each time the
// advanced page is shown and destroyed (in that order) when it is left.
void CreateMacroControls(ViewContext& ctx, Window& window);
void DestroyMacroControls(ViewContext& ctx, Window& window);
// Fills the macro list and shows the current macro.
void ShowMacroList(ViewContext& ctx, Window& window);

// A recording runs (element 4 shows "停止", pressed).
bool IsRecording(const ViewContext& ctx);
// The counters of key-down and key-up events in the shown event list.
struct ListedEventCounts {
  std::int32_t presses = 0;
  std::int32_t releases = 0;
};
ListedEventCounts ListedEvents(const ViewContext& ctx);

}  // namespace varkel
