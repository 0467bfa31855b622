#include "views/FunctionPopups.h"

// Not built yet: each does nothing.
namespace varkel {

void ChooseFunction(ViewContext&, Window&, int) {}
void DestroyFunctionPopup(ViewContext&) {}

}  // namespace varkel
