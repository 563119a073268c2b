// How much of a page is drawn.
#pragma once

// kComplete draws the page as SCORE prints it; kBasic makes exactly the
// drawing calls of the first versions (staves, notes, rests, clefs, symbols,
// lines, beams, barlines and signatures), kept for comparison.
enum class DrawingMode { kComplete, kBasic };
