// Compiled as a view source: the layout lies above the view, so this include
// must not be found.
#include "layout/layout.h"

int upwardIncludeCompiled() { return 0; }
