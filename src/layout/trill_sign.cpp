#include "layout/trill_sign.h"

namespace {

constexpr int kTrillSymbol = 85;  // "tr" of our libraries
constexpr int kPedalSymbol = 70;  // "Ped."

}  // namespace

TrillKind trillKind(float p5) {
  if (p5 == 45.0f) return TrillKind::kOttava;
  if (p5 == 46.0f) return TrillKind::kOttavaBassa;
  if (p5 == 47.0f) return TrillKind::kQuindicesima;
  if (p5 == 48.0f || p5 == 70.0f) return TrillKind::kPedal;
  return TrillKind::kTrill;
}

int trillSymbol(TrillKind kind) {
  if (kind == TrillKind::kTrill) return kTrillSymbol;
  if (kind == TrillKind::kPedal) return kPedalSymbol;
  return -1;
}

std::string trillText(TrillKind kind) {
  switch (kind) {
    case TrillKind::kOttava: return "8va";
    case TrillKind::kOttavaBassa: return "8vb";
    case TrillKind::kQuindicesima: return "15ma";
    default: return "";
  }
}
