// Reading and writing SCORE .mus files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"
#include "score/whole_file.h"

// The serial number put into every trailer we write.
constexpr int32_t kWrittenSerialNumber = 19660;
// The last word of every SCORE file, compared bit for bit.
constexpr float kEndMark = -9999.0f;
// The 16-bit word count at byte 0 limits a file to this many words.
constexpr int32_t kMaxWordCount = 65535;
// The name SCORE's reading messages give every page, whatever file was read.
constexpr char kMessageFileName[] = "scorfile.mus";
// Files larger than this cannot be SCORE pages (the word count is 16-bit).
constexpr long kMaxMusFileSize = 1 << 20;

// Reads the MUS file at path into document. On success the previous item
// table is released and replaced by the new one and the load statistics are
// set; returns true. On failure returns false, sets *error to the message
// for the user ("Unable to open file scorfile.mus", ...), and leaves the
// document exactly as it was.
bool readMusFile(const std::string& path, Document& document, std::string* error);

// Loads a page from what readWholeFile gave for it: readMusImage of the bytes
// read, else the message of readMusFile.
bool readMusFileBytes(FileReadResult read, std::vector<uint8_t> bytes, Document& document,
                      std::string* error);

// The same for a file image already in memory (its size is the file size).
// Damaged images load what they safely can: fewer than 4 bytes is a missing
// end mark; trailer words that would overlap the 2-byte header read as 0;
// the data area is held to the bytes before the trailer; the walk stops at a
// negative count or an item reaching past the data area, keeping the
// complete items before it.
bool readMusImage(std::vector<uint8_t> image, Document& document, std::string* error);

// Writes the document's items to path as a hand-over file (items bit for bit, our
// own 6-word trailer). Text items get the count 13 + ceil(L/4) and space
// padding, L held to the characters the item really has; other items are
// written with all their words, also past 255 parameters (where the 8-bit
// paramCount no longer shows them). Refuses tables of more than 65,535 words. Writes to a
// temporary file beside path and renames it, so a failure leaves nothing
// half-written. Returns false with *error set on failure.
bool writeMusFile(const std::string& path, const Document& document, std::string* error);

// The bytes writeMusFile writes, or false with *error when they cannot be
// represented.
bool musFileBytes(const Document& document, std::vector<uint8_t>* bytes, std::string* error);
