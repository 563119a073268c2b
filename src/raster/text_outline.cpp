#include "raster/text_outline.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <numbers>
#include <string>
#include <unordered_map>

namespace {

// Code points of UTF-8 text; a malformed byte stands for U+FFFD.
std::vector<char32_t> codePoints(const std::string& text) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    int extra = byte < 0x80         ? 0
                : (byte >> 5) == 6  ? 1
                : (byte >> 4) == 14 ? 2
                : (byte >> 3) == 30 ? 3
                                    : -1;
    char32_t code = extra == 0   ? byte
                    : extra == 1 ? byte & 0x1f
                    : extra == 2 ? byte & 0x0f
                                 : byte & 0x07;
    bool good = extra >= 0 && i + extra < text.size();
    for (int k = 1; good && k <= extra; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      good = (next & 0xc0) == 0x80;
      code = code << 6 | (next & 0x3f);
    }
    out.push_back(good ? code : 0xfffd);
    i += good ? static_cast<size_t>(extra) + 1 : 1;
  }
  return out;
}

// Font units of one glyph to device pixels.
struct GlyphFrame {
  double scaleX, scaleY;  // pixels per font unit, y already turned downward
  double penX;            // the glyph's origin along the baseline, in pixels
  double originX, originY, cosine, sine;

  PathPoint map(const FT_Vector* v) const {
    double x = penX + v->x * scaleX;
    double y = v->y * scaleY;
    return {originX + x * cosine - y * sine, originY + x * sine + y * cosine};
  }
};

struct Outlining {
  const GlyphFrame* frame;
  std::vector<Contour>* contours;
  PathPoint last;
};

int moveTo(const FT_Vector* to, void* user) {
  auto* o = static_cast<Outlining*>(user);
  o->last = o->frame->map(to);
  o->contours->push_back({{o->last}, true});
  return 0;
}

int lineTo(const FT_Vector* to, void* user) {
  auto* o = static_cast<Outlining*>(user);
  o->last = o->frame->map(to);
  o->contours->back().points.push_back(o->last);
  return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  auto* o = static_cast<Outlining*>(user);
  PathPoint c = o->frame->map(control), end = o->frame->map(to), from = o->last;
  // The quadratic as the cubic with the same curve.
  PathPoint c1{from.x + 2.0 / 3 * (c.x - from.x), from.y + 2.0 / 3 * (c.y - from.y)};
  PathPoint c2{end.x + 2.0 / 3 * (c.x - end.x), end.y + 2.0 / 3 * (c.y - end.y)};
  appendCubic(o->contours->back().points, from, c1, c2, end);
  o->last = end;
  return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* o = static_cast<Outlining*>(user);
  PathPoint end = o->frame->map(to);
  appendCubic(o->contours->back().points, o->last, o->frame->map(c1), o->frame->map(c2), end);
  o->last = end;
  return 0;
}

constexpr size_t kMaxGlyphs = 4096;

// A glyph's outline in font units as FreeType decomposes it, kept so that
// later runs replay it instead of loading the glyph again.
struct GlyphRecord {
  enum Verb : uint8_t { kMove, kLine, kConic, kCubic };
  std::vector<Verb> verbs;
  std::vector<FT_Vector> points;
  FT_Pos advance = 0;

  static int record(GlyphRecord* glyph, Verb verb, std::initializer_list<const FT_Vector*> at) {
    glyph->verbs.push_back(verb);
    for (const FT_Vector* p : at) glyph->points.push_back(*p);
    return 0;
  }

  void replay(Outlining& o) const {
    const FT_Vector* p = points.data();
    for (Verb verb : verbs) {
      switch (verb) {
        case kMove: moveTo(p, &o), p += 1; break;
        case kLine: lineTo(p, &o), p += 1; break;
        case kConic: conicTo(p, p + 1, &o), p += 2; break;
        case kCubic: cubicTo(p, p + 1, p + 2, &o), p += 3; break;
      }
    }
  }
};

constexpr FT_Outline_Funcs kRecordFuncs = {
    [](const FT_Vector* to, void* user) {
      return GlyphRecord::record(static_cast<GlyphRecord*>(user), GlyphRecord::kMove, {to});
    },
    [](const FT_Vector* to, void* user) {
      return GlyphRecord::record(static_cast<GlyphRecord*>(user), GlyphRecord::kLine, {to});
    },
    [](const FT_Vector* control, const FT_Vector* to, void* user) {
      return GlyphRecord::record(static_cast<GlyphRecord*>(user), GlyphRecord::kConic,
                                 {control, to});
    },
    [](const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
      return GlyphRecord::record(static_cast<GlyphRecord*>(user), GlyphRecord::kCubic,
                                 {c1, c2, to});
    },
    0,
    0};

}  // namespace

struct TextOutliner::Faces {
  TextFaceFiles files;
  FT_Library library = nullptr;
  std::array<FT_Face, 4> faces{};
  std::array<bool, 4> opened{};
  // By style and character; null for a glyph that does not load.
  std::array<std::unordered_map<char32_t, std::unique_ptr<GlyphRecord>>, 4> glyphs;

  const GlyphRecord* glyph(FontStyle style, char32_t code) {
    auto& known = glyphs[static_cast<size_t>(style)];
    auto found = known.find(code);
    if (found != known.end()) return found->second.get();
    if (known.size() >= kMaxGlyphs) known.clear();  // text of every script, or hostile
    return known.emplace(code, load(faces[static_cast<size_t>(style)], code)).first->second.get();
  }

  static std::unique_ptr<GlyphRecord> load(FT_Face face, char32_t code) {
    FT_UInt index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) !=
        0) {
      return nullptr;
    }
    auto glyph = std::make_unique<GlyphRecord>();
    if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
      FT_Outline_Decompose(&face->glyph->outline, &kRecordFuncs, glyph.get());
    }
    glyph->advance = face->glyph->metrics.horiAdvance;
    return glyph;
  }

  FT_Face face(FontStyle style) {
    size_t index = static_cast<size_t>(style);
    if (!opened[index]) {
      opened[index] = true;
      const std::string& file = files.files[index];
      if (!file.empty() && (library != nullptr || FT_Init_FreeType(&library) == 0) &&
          FT_New_Face(library, file.c_str(), 0, &faces[index]) != 0) {
        faces[index] = nullptr;
      }
    }
    return faces[index];
  }

  ~Faces() {
    for (FT_Face face : faces) {
      if (face != nullptr) FT_Done_Face(face);
    }
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

TextOutliner::TextOutliner(const TextFaceFiles& files) : faces_(std::make_unique<Faces>()) {
  faces_->files = files;
}

TextOutliner::~TextOutliner() = default;

bool TextOutliner::addRun(const TextRun& run, std::vector<Contour>* contours) {
  FT_Face face = faces_->face(run.style);
  if (face == nullptr || face->units_per_EM == 0) return false;
  double perUnit = run.size / face->units_per_EM;
  double angle = run.rotation * std::numbers::pi / 180;
  GlyphFrame frame{perUnit,        -perUnit * run.verticalScale, 0, run.x, run.y, std::cos(angle),
                   std::sin(angle)};
  for (char32_t code : codePoints(run.text)) {
    const GlyphRecord* glyph = faces_->glyph(run.style, code);
    if (glyph == nullptr) continue;
    Outlining outlining{&frame, contours, {}};
    glyph->replay(outlining);
    frame.penX += glyph->advance * perUnit * run.spacing;
  }
  return true;
}

TextOutliner& threadTextOutliner() {
  thread_local TextOutliner outliner(textFaces());
  return outliner;
}
