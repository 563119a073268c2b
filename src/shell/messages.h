// The fixed texts of the program's message boxes.
#pragma once

#include <string>

inline constexpr char kHelpText[] = "No help implemented";
inline constexpr char kSaveText[] = "Saving as binary file not yet implemented";
inline constexpr char kSavePmxText[] = "Saving current data as \"tempfile.pmx\"";
inline constexpr char kVectorListText[] = "Saving the first library symbol to file \"vectorlist\"";
inline constexpr char kPmxFileName[] = "tempfile.pmx";
inline constexpr char kVectorListFileName[] = "vectorlist";

// The About box: the version line, a blank line and the version history,
// every line ended by a line break.
std::string aboutText();
