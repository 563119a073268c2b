// A drawing surface in front of another: every call goes on to the surface
// behind it, and the device-pixel box of what each item drew is kept, so
// that picking finds what was actually drawn without a second drawing.
#pragma once

#include <vector>

#include "paint/drawing_surface.h"
#include "paint/item_bounds.h"

// The em of the surface font that textOut draws in, in pixels.
constexpr int kTextOutEm = 16;

class ItemBoundsSurface : public DrawingSurface {
 public:
  // target must outlive this surface; it starts with the stock one-pixel
  // pen and origin (0, 0), as every surface does.
  explicit ItemBoundsSurface(DrawingSurface& target) : target_(target) {}

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override;
  void selectWidePen(int width) override;
  void restorePen() override;
  // Weights are left to the pick reach: they add a pixel or two at most.
  void selectPenWeight(PenWeight weight) override;
  void beginPath() override;
  void endPath() override;
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;
  void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) override;
  // A run's box is estimated from its size, length and rotation.
  void drawText(const TextRun& run) override;
  // A symbol placed whole by the surface behind is still drawn call by call
  // between the brackets, and its box is theirs.
  void beginSymbol(const ComponentPlacement& placement) override;
  void endSymbol() override;
  void beginItem(int item) override;
  void endItem() override;

  // The boxes of the items that drew something, in drawing order.
  const std::vector<ItemBox>& boxes() const { return boxes_; }

 private:
  // Widens the open item's box by a point of the current frame, half a pen
  // around it; non-finite and far-off points are passed over.
  void include(double x, double y, double halfPen);
  void includePoints(const Vector* points, int count);
  double halfPen() const { return penWidth_ / 2.0; }

  DrawingSurface& target_;
  std::vector<ItemBox> boxes_;
  int item_ = 0;        // the open bracket's item, 0 outside brackets
  bool drawn_ = false;  // the open item has a box in boxes_.back()
  int originX_ = 0, originY_ = 0;
  int penWidth_ = 1;
  int rememberedPenWidth_ = 1;
  int penX_ = 0, penY_ = 0;
};
