#include "score/item_kinds.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<ItemKind, kItemCodeCount> kItemKinds = {{
    {kNoteCode, "NOTE", "note    ", "1. Notes"},
    {kRestCode, "REST", "rest    ", "2. Rests"},
    {kClefCode, "CLEF", "clef    ", "3. Clefs"},
    {kLineCode, "LINE", "line    ", "4. Lines"},
    {kSlurCode, "SLUR", "slur    ", "5. Slurs"},
    {kBeamCode, "BEAM", "beam    ", "6. Beams"},
    {kTrillCode, "TRILL", "trill   ", "7. Trills"},
    {kStaffCode, "STAFF", "staff   ", "8. Staves"},
    {kMiscSymbolCode, "SYMBOL LIB", "misc.   ", "9. Misc. symbols"},
    {kNumberCode, "NUMBER", "number  ", "10. Numbers"},
    {kUserSymbolCode, "USER LIB SYMBOL", "library ", "11. Library symbols"},
    {kSpecialShapeCode, "SPECIAL SHAPES", "circle  ", "12. Special shapes"},
    {kDummyCode, "-", "dummy   ", "13. Dummies"},
    {kBarlineCode, "BARLINE", "bars    ", "14. Barlines"},
    {kPostScriptCode, "EPS", "postscpt", "15. PostScript"},
    {kTextCode, "TEXT", "word    ", "16. Text"},
    {kKeySignatureCode, "KEY SIG", "key sig ", "17. Key sigs."},
    {kTimeSignatureCode, "TIME SIG", "time sig", "18. Time sigs."},
}};

// Each row stands at the index of its code, so a lookup is one step.
constexpr bool rowsInCodeOrder() {
  for (int i = 0; i < kItemCodeCount; ++i) {
    if (kItemKinds[static_cast<size_t>(i)].code != i + 1) return false;
  }
  return true;
}
static_assert(rowsInCodeOrder());

}  // namespace

bool isKnownCode(int code) { return code >= 1 && code <= kItemCodeCount; }

const ItemKind& itemKind(int code) { return kItemKinds[static_cast<size_t>(code - 1)]; }
