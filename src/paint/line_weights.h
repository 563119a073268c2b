// The widths SCORE prints its lines with, in points. They do not follow the
// staff size.
#pragma once

// Staff lines, stems, thin barlines, hairpins, dashes, endings, brace outline.
constexpr double kLineWeight = 0.481;
// Outline of the filled slurs, ties and wiggles.
constexpr double kSlurOutlineWeight = 0.361;
constexpr double kLedgerLineWeight = 0.721;
// A thin barline is two strokes of kLineWeight 0.04 units apart.
constexpr double kThinBarSpread = 0.04;  // units
