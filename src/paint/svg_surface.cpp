#include "paint/svg_surface.h"

#include <algorithm>
#include <cmath>

#include "library/outline_glyphs.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "paint/printed_text.h"
#include "paint/svg_markup.h"
#include "score/conversions.h"
#include "score/item_table.h"
#include "score/score_text.h"
#include "score/times_widths.h"

namespace {

// Wider pens than this cannot come from a sane staff size.
constexpr double kMaxPenWidth = 32767;
// The legacy text call's size: the 9 points of a dialog font.
constexpr double kLegacyTextPoints = 9;

bool usable(double v) { return std::isfinite(v) && std::fabs(v) <= kSvgReach; }

// The item's type name as a class: trailing blanks cut, blanks inside
// turned into hyphens, dots dropped ("key sig " -> "key-sig", "misc." -> "misc").
std::string kindClass(int code) {
  std::string name = itemTypeName(code);
  name.erase(name.find_last_not_of(' ') + 1);
  std::string kind;
  for (char c : name) {
    if (c == ' ') {
      kind += '-';
    } else if (c != '.') {
      kind += c;
    }
  }
  return kind;
}

// True when the symbol can be a definition: it draws polygons only, so
// nothing in it is stroked with a width that would scale with its use.
bool polygonsOnly(const LibrarySymbol& symbol) {
  bool any = false;
  for (const DrawEntry& entry : symbol.drawList) {
    if (entry.op == kPolyline || entry.op == kBezierPoint) return false;
    any = any || entry.op == kBlackPolygon || entry.op == kWhitePolygon;
  }
  return any;
}

void appendInches(std::string& out, int pixels, int pixelsPerInch) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4gin", static_cast<double>(pixels) / pixelsPerInch);
  out += buffer;
}

}  // namespace

SvgSurface::SvgSurface(const Document& document, int width, int height, int pixelsPerInch,
                       const PenWidths& widths)
    : document_(document),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixelsPerInch_(std::max(pixelsPerInch, 1)),
      widths_(widths),
      symbolState_(kSymbolCount, 0) {}

double SvgSurface::lineWidth() const {
  if (widePen_ > 0) return widePen_;
  double width = widths_.of(weight_);
  return usable(width) && width > 1 ? width : 1;
}

std::string& SvgSurface::element() {
  flushLines();
  return *out_;
}

void SvgSurface::startLines() {
  double width = lineWidth();
  if (!lines_.empty() && width != linesWidth_) flushLines();
  linesWidth_ = width;
}

void SvgSurface::strokeClass(std::string& out, double width, bool filled) {
  // Pens come in a few widths per page; each width and fill is one class
  // of the style sheet, rather than three attributes on every path.
  auto [found, added] = strokeClasses_.try_emplace(std::pair{width, filled}, strokeClasses_.size());
  out += " class=\"";
  out += filled ? 's' : 'l';
  out += std::to_string(found->second) + '"';
}

void SvgSurface::flushLines() {
  if (lines_.empty()) return;
  std::string& out = *out_;
  out += "<path";
  strokeClass(out, linesWidth_, false);
  out += " d=\"" + lines_ + "\"/>\n";
  lines_.clear();
}

void SvgSurface::moveTo(int x, int y) {
  position_ = {x, y};
  if (pathOpen_) path_.moveTo(x, y);
}

void SvgSurface::lineTo(int x, int y) {
  Vector end{x, y};
  if (pathOpen_) {
    // A path begun without a move starts at the current position.
    if (path_.verbs.empty()) path_.moveTo(position_.x, position_.y);
    path_.lineTo(x, y);
  } else if (!placing_) {
    startLines();
    if (lines_.empty() || lastPoint_.x != position_.x || lastPoint_.y != position_.y) {
      lines_ += 'M';
      appendNumber(lines_, position_.x + origin_.x);
      lines_ += ' ';
      appendNumber(lines_, position_.y + origin_.y);
    }
    lines_ += 'l';
    appendNumber(lines_, static_cast<double>(x) - position_.x);
    lines_ += ' ';
    appendNumber(lines_, static_cast<double>(y) - position_.y);
    lastPoint_ = end;
  }
  position_ = end;
}

void SvgSurface::polyline(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  startLines();
  appendPointData(lines_, points, count, origin_.x, origin_.y, false);
  lastPoint_ = points[count - 1];
}

void SvgSurface::polygon(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  std::string& out = element();
  out += "<path d=\"";
  appendPointData(out, points, count, origin_.x, origin_.y, true);
  out += "\" fill-rule=\"evenodd\"";
  if (brush_ == StockBrush::kWhite) out += " fill=\"#fff\"";
  // The one-pixel pen's outline is under a thousandth of an inch at print
  // resolution; only the wide pen adds to the shape.
  if (widePen_ > 0) strokeClass(out, widePen_, true);
  out += "/>\n";
}

void SvgSurface::polyBezier(const Vector* points, int count) {
  if (points == nullptr || count < 4 || (count - 1) % 3 != 0 || placing_) return;
  startLines();
  double dx = origin_.x, dy = origin_.y;
  for (int i = 0; i < count; ++i) {
    lines_ += i == 0 ? "M" : (i % 3 == 1 ? "C" : " ");
    appendNumber(lines_, points[i].x + dx);
    lines_ += ' ';
    appendNumber(lines_, points[i].y + dy);
  }
  lastPoint_ = points[count - 1];
}

void SvgSurface::selectWidePen(int width) {
  double outline = usable(widths_.wideOutline) ? std::clamp(widths_.wideOutline, 0.0, 1e3) : 0.0;
  // A pen of no width draws one pixel, as a failed pen creation leaves it.
  widePen_ = std::max(std::clamp(static_cast<double>(width), 0.0, kMaxPenWidth) + outline, 1.0);
}

void SvgSurface::beginPath() {
  path_ = SurfacePath();
  pathOpen_ = true;
}

void SvgSurface::strokePath() {
  std::string& out = element();
  size_t start = out.size();
  out += "<path d=\"";
  if (appendPathData(out, path_, origin_.x, origin_.y)) {
    out += '"';
    strokeClass(out, lineWidth(), false);
    out += "/>\n";
  } else {
    out.resize(start);
  }
  path_ = SurfacePath();
}

void SvgSurface::setViewportOrigin(int x, int y) {
  flushLines();
  origin_ = {x, y};
}

void SvgSurface::textOut(int x, int y, const char* text, int length) {
  if (text == nullptr || length <= 0) return;
  std::string& out = element();
  out += "<text x=\"";
  appendNumber(out, x + origin_.x);
  out += "\" y=\"";
  appendNumber(out, y + origin_.y);
  out += "\" font-family=\"sans-serif\" font-size=\"";
  appendNumber(out, kLegacyTextPoints * pixelsPerInch_ / kPointsPerInch);
  out += "\" dominant-baseline=\"text-before-edge\" xml:space=\"preserve\">";
  appendEscaped(out, std::string(text, static_cast<size_t>(length)));
  out += "</text>\n";
}

void SvgSurface::fillRectangle(int x, int y, int width, int height) {
  std::string& out = element();
  int64_t left = std::min<int64_t>(x, int64_t{x} + width);
  int64_t top = std::min<int64_t>(y, int64_t{y} + height);
  out += "<rect x=\"";
  appendNumber(out, static_cast<double>(left + origin_.x));
  out += "\" y=\"";
  appendNumber(out, static_cast<double>(top + origin_.y));
  out += "\" width=\"";
  appendNumber(out, std::fabs(static_cast<double>(width)));
  out += "\" height=\"";
  appendNumber(out, std::fabs(static_cast<double>(height)));
  out += brush_ == StockBrush::kWhite ? "\" fill=\"#fff\"/>\n" : "\"/>\n";
}

void SvgSurface::drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) {
  bool stroked = usable(stroke.width) && stroke.width > 0;
  if (fill == PathFill::kNone && !stroked) return;
  std::string& out = element();
  size_t start = out.size();
  out += "<path d=\"";
  if (!appendPathData(out, path, origin_.x, origin_.y)) {
    out.resize(start);
    return;
  }
  out += '"';
  if (fill == PathFill::kNone && !stroked) out += " fill=\"none\"";
  if (fill == PathFill::kEvenOdd) out += " fill-rule=\"evenodd\"";
  if (stroked) {
    strokeClass(out, std::min(stroke.width, kMaxPenWidth), fill != PathFill::kNone);
    std::string dashes;
    double total = 0;
    for (double d : stroke.dashes) {
      double length = usable(d) && d > 0 ? d : 0.0;
      if (!dashes.empty()) dashes += ' ';
      appendNumber(dashes, length);
      total += length;
    }
    // A pattern of no length at all draws solid.
    if (total > 0) out += " stroke-dasharray=\"" + dashes + '"';
  }
  out += "/>\n";
}

void SvgSurface::drawText(const TextRun& run) {
  if (run.text.empty() || !usable(run.x) || !usable(run.y) || !usable(run.rotation) ||
      !usable(run.size) || run.size <= 0) {
    return;
  }
  std::string& out = element();
  double x = run.x + origin_.x, y = run.y + origin_.y;
  out += "<text x=\"";
  appendNumber(out, x);
  out += "\" y=\"";
  appendNumber(out, y);
  out += "\" font-family=\"";
  appendEscaped(out, run.family);
  out += '"';
  if (run.style == FontStyle::kBold || run.style == FontStyle::kBoldItalic) {
    out += " font-weight=\"bold\"";
  }
  if (run.style == FontStyle::kItalic || run.style == FontStyle::kBoldItalic) {
    out += " font-style=\"italic\"";
  }
  out += " font-size=\"";
  appendNumber(out, run.size);
  out += '"';
  if (run.spacing != 1 && run.spacing >= 0 && usable(run.spacing)) {
    // SVG spaces letters by lengths, not by factors: the string is spread
    // over its advance at that spacing instead.
    out += " textLength=\"";
    appendNumber(out, timesAdvance(fontCodeOf(run.style), run.text) * run.size * run.spacing);
    out += "\" lengthAdjust=\"spacing\"";
  }
  bool stretched = run.verticalScale != 1 && run.verticalScale > 0 && usable(run.verticalScale);
  if (run.rotation != 0 || stretched) {
    out += " transform=\"";
    if (run.rotation != 0) {
      out += "rotate(";
      appendNumber(out, run.rotation);
      out += ' ';
      appendNumber(out, x);
      out += ' ';
      appendNumber(out, y);
      out += ')';
    }
    if (stretched) {
      // Scaled about the baseline origin.
      out += run.rotation != 0 ? " translate(" : "translate(";
      appendNumber(out, x);
      out += ' ';
      appendNumber(out, y);
      out += ") scale(1 ";
      appendNumber(out, run.verticalScale);
      out += ") translate(";
      appendNumber(out, -x);
      out += ' ';
      appendNumber(out, -y);
      out += ')';
    }
    out += '"';
  }
  out += " xml:space=\"preserve\">";
  appendEscaped(out, run.text);
  out += "</text>\n";
}

void SvgSurface::beginItem(int item) {
  endItem();
  flushLines();
  const ItemTable& table = document_.itemTable;
  if (item < 1 || item > table.itemCount) return;
  const ItemRecord& record = itemAt(table, item);
  body_ += "<g id=\"item-" + std::to_string(item) + "\" class=\"" + kindClass(itemCode(record)) +
           "\" data-staff=\"" + std::to_string(truncToInt(param(record, 2))) + "\">";
  itemOpen_ = true;
  itemStart_ = body_.size();
}

void SvgSurface::endItem() {
  if (!itemOpen_) return;
  flushLines();
  if (body_.size() == itemStart_) {
    body_.insert(body_.size() - 1, 1, '/');  // an item that draws nothing
    body_ += '\n';
  } else {
    body_ += "</g>\n";
  }
  itemOpen_ = false;
}

bool SvgSurface::defineSymbol(int symbol) {
  int8_t& state = symbolState_[static_cast<size_t>(symbol)];
  if (state == 0) {
    const LibrarySymbol* source = findLibrarySymbol(symbol);
    const OutlineGlyph* outline = source != nullptr ? symbolOutline(symbol, *source) : nullptr;
    state = outline != nullptr || (source != nullptr && polygonsOnly(*source)) ? 1 : -1;
    if (outline != nullptr) {
      // The font's curves, to a hundredth of a library unit.
      SurfacePath path;
      addSymbolOutline(path, *outline, {symbol});
      defs_ += "<path id=\"s" + std::to_string(symbol) + "\" d=\"";
      appendPathData(defs_, path, 0, 0, 2);
      defs_ += "\"/>\n";
    } else if (state == 1) {
      // The symbol's own calls, in library units, into the definitions.
      StockBrush brush = brush_;
      Vector origin = origin_;
      double widePen = widePen_;
      out_ = &defs_;
      origin_ = {0, 0};
      widePen_ = 0;
      defs_ += "<g id=\"s" + std::to_string(symbol) + "\">\n";
      drawSymbol(*this, *source);
      defs_ += "</g>\n";
      out_ = &body_;
      brush_ = brush;
      origin_ = origin;
      widePen_ = widePen;
    }
  }
  return state == 1;
}

void SvgSurface::beginSymbol(const ComponentPlacement& placement) {
  placing_ = false;
  flushLines();  // before a definition is written
  if (placement.symbol < 0 || placement.symbol >= kSymbolCount || !usable(placement.scale) ||
      widePen_ > 0 || !defineSymbol(placement.symbol)) {
    return;
  }
  std::string& out = element();
  out += "<use xlink:href=\"#" + sizedSymbol(placement) + "\" x=\"";
  appendNumber(out, static_cast<double>(placement.x) + origin_.x);
  out += "\" y=\"";
  appendNumber(out, static_cast<double>(placement.y) + origin_.y);
  out += "\"/>\n";
  placing_ = true;
}

std::string SvgSurface::sizedSymbol(const ComponentPlacement& placement) {
  // Most symbols of a page come in one or two sizes: each size is defined
  // once as a scaled use of the symbol, and placed by its position alone.
  auto [found, added] = sizedSymbols_.try_emplace(
      std::tuple{placement.symbol, placement.scale, placement.mirrored}, sizedSymbols_.size());
  std::string id = "u" + std::to_string(found->second);
  if (!added) return id;
  defs_ += "<use id=\"" + id + "\" xlink:href=\"#s" + std::to_string(placement.symbol) +
           "\" transform=\"matrix(";
  appendFactor(defs_, placement.scale);
  defs_ += " 0 0 ";
  appendFactor(defs_, placement.mirrored ? -placement.scale : placement.scale);
  defs_ += " 0 0)\"/>\n";
  return id;
}

std::string SvgSurface::svg() {
  endItem();
  flushLines();
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
      "version=\"1.1\" width=\"";
  appendInches(out, width_, pixelsPerInch_);
  out += "\" height=\"";
  appendInches(out, height_, pixelsPerInch_);
  out += "\" viewBox=\"0 0 " + std::to_string(width_) + ' ' + std::to_string(height_) +
         "\" color=\"#000\" fill=\"currentColor\" stroke-linecap=\"butt\" "
         "stroke-linejoin=\"miter\" stroke-miterlimit=\"2\">\n<title>MELIBRON page</title>\n";
  if (!strokeClasses_.empty()) {
    out += "<style>\n";
    for (const auto& [stroke, k] : strokeClasses_) {
      auto [width, filled] = stroke;
      out += filled ? ".s" : ".l";
      out +=
          std::to_string(k) + (filled ? "{" : "{fill:none;") + "stroke:currentColor;stroke-width:";
      appendNumber(out, width);
      out += "}\n";
    }
    out += "</style>\n";
  }
  if (!defs_.empty()) out += "<defs>\n" + defs_ + "</defs>\n";
  out += body_;
  out += "</svg>\n";
  return out;
}
