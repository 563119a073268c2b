#include <array>
#include <cstddef>

#include "layout/layout.h"

namespace {

// Indexed by item code; the kinds without a routine are drawn directly by
// the painter, or not at all.
constexpr std::array<LayoutRoutine, kItemCodeCount + 1> kLayoutRoutines = [] {
  std::array<LayoutRoutine, kItemCodeCount + 1> routines{};
  routines[kNoteCode] = layoutNote;
  routines[kRestCode] = layoutRest;
  routines[kClefCode] = layoutClef;
  routines[kTrillCode] = layoutTrill;
  routines[kMiscSymbolCode] = layoutMiscSymbol;
  routines[kKeySignatureCode] = layoutKeySignature;
  routines[kTimeSignatureCode] = layoutTimeSignature;
  return routines;
}();

}  // namespace

LayoutRoutine layoutRoutine(int code) {
  return isKnownCode(code) ? kLayoutRoutines[static_cast<size_t>(code)] : nullptr;
}
