// Starting the window program, a separate executable so that melibron
// never loads Qt: it opens the window and draws what only Qt draws.
#pragma once

#include <ostream>

// Replaces this process by melibron-window with the same arguments. Returns
// only when that fails, with 1 after a one-line message on err.
int startWindowProgram(char** argv, std::ostream& err);
