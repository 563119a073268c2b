// The kinds of item, one row per item code: the names and labels the program
// shows for each. The layout and the painter key their routines by the same
// codes (layout/layout_routines.cpp, paint/paint_routines.cpp).
#pragma once

// Item codes (P1 truncated).
enum ItemCode {
  kNoteCode = 1,
  kRestCode = 2,
  kClefCode = 3,
  kLineCode = 4,
  kSlurCode = 5,
  kBeamCode = 6,
  kTrillCode = 7,
  kStaffCode = 8,
  kMiscSymbolCode = 9,
  kNumberCode = 10,
  kUserSymbolCode = 11,
  kSpecialShapeCode = 12,
  kDummyCode = 13,
  kBarlineCode = 14,
  kPostScriptCode = 15,
  kTextCode = 16,
  kKeySignatureCode = 17,
  kTimeSignatureCode = 18,
};
constexpr int kItemCodeCount = 18;

struct ItemKind {
  ItemCode code;
  const char* traceName;      // upper case, in debug traces ("NOTE")
  const char* typeName;       // 8 characters, shown by Item edit ("note    ")
  const char* fileInfoLabel;  // the File Info count field ("1. Notes")
};

// True for the codes 1..18 that have a kind.
bool isKnownCode(int code);

// The kind of a known code (1..18).
const ItemKind& itemKind(int code);
