// The fixed texts of the program's message boxes.
#pragma once

#include <string>

inline constexpr char kVectorListText[] = "Saving the first library symbol to file \"vectorlist\"";
inline constexpr char kPmxFileName[] = "tempfile.pmx";
inline constexpr char kVectorListFileName[] = "vectorlist";
inline constexpr char kMusFileFilter[] = "MUS Files (*.mus)";
inline constexpr char kPmxFileFilter[] = "PMX Files (*.pmx)";

// The About box: the version line, a blank line and the version history,
// every line ended by a line break.
std::string aboutText();
