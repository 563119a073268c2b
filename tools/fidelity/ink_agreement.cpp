#include "ink_agreement.h"

namespace {

double share(long part, long whole) {
  return whole == 0 ? 1.0 : static_cast<double>(part) / static_cast<double>(whole);
}

}  // namespace

InkAgreement measureAgreement(const InkImage& reference, const InkImage& ours, PixelShift shift) {
  InkAgreement agreement;
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      if (!inkAt(reference, x, y)) continue;
      ++agreement.referenceInk;
      agreement.referenceCovered += inkNear(ours, x - shift.dx, y - shift.dy);
    }
  }
  for (int y = 0; y < ours.height; ++y) {
    for (int x = 0; x < ours.width; ++x) {
      if (!inkAt(ours, x, y)) continue;
      ++agreement.oursInk;
      agreement.oursCovered += inkNear(reference, x + shift.dx, y + shift.dy);
    }
  }
  return agreement;
}

double recall(const InkAgreement& agreement) {
  return share(agreement.referenceCovered, agreement.referenceInk);
}

double precision(const InkAgreement& agreement) {
  return share(agreement.oursCovered, agreement.oursInk);
}

OverlayImage makeOverlay(const InkImage& reference, const InkImage& ours, PixelShift shift) {
  OverlayImage overlay;
  overlay.width = reference.width;
  overlay.height = reference.height;
  overlay.pixels.reserve(static_cast<size_t>(reference.width) * reference.height);
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      const int oursX = x - shift.dx;
      const int oursY = y - shift.dy;
      OverlayColour colour = OverlayColour::kWhite;
      if (inkAt(reference, x, y)) {
        colour = inkNear(ours, oursX, oursY) ? OverlayColour::kBoth : OverlayColour::kReferenceOnly;
      } else if (inkAt(ours, oursX, oursY)) {
        colour = inkNear(reference, x, y) ? OverlayColour::kBoth : OverlayColour::kOursOnly;
      }
      overlay.pixels.push_back(colour);
    }
  }
  return overlay;
}
