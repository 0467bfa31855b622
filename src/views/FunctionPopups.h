#pragma once
// The function popups the button slots open.
#include "platform/Window.h"
#include "views/ViewContext.h"

namespace varkel {

// A press on the slot of mouse button 1-6 (main elements 17-22): opens the
// popup in which a function is chosen for it.
void ChooseFunction(ViewContext& ctx, Window& window, int button);
// Destroys the open function popup window, if any (the caller clears the
// flag that asked for it).
void DestroyFunctionPopup(ViewContext& ctx);

}  // namespace varkel
