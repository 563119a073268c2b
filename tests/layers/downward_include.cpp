// Compiled as a layout source: the view and the score lie below it, so these
// includes are found (the other half of the check beside upward_include.cpp).
#include "score/item_table.h"
#include "view/view.h"

int downwardIncludeCompiled() { return kStaffCount; }
