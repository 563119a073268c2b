// Opening a score given by path: a SCORE .mus page or a PMX text listing,
// whichever the content shows, for the window and the command line alike.
#pragma once

#include <string>

#include "score/document.h"

enum class ScoreInputType { kMus, kPmx };

// The extension of path with its dot, in lower case ("" when it has none).
std::string lowerCaseExtension(const std::string& path);

// A reader's message with path where SCORE's texts name every page
// scorfile.mus.
std::string withRealFileName(std::string message, const std::string& path);

// "<path>: <message>", or the message alone when it already names the path.
std::string messageAboutFile(const std::string& path, const std::string& message);

// The type of the file at path, by content where it tells: a file ending in
// the -9999.0 end mark is a page; a non-empty file whose first 4 KiB hold no
// NUL byte is a listing. Otherwise (empty, unreadable, or binary without an
// end mark) the extension decides: ".pmx" in any case is a listing. Of a file
// larger than kMaxListingSize only the head is looked at.
ScoreInputType scoreInputType(const std::string& path);

// Loads the file at path into document with the reader for its type.
// Returns false with *error set when it cannot be loaded (a directory
// included): the reader's message naming path where SCORE's texts name
// scorfile.mus, prefixed by "<path>: " when it does not name path at all.
// The document is then left as it was.
bool openScore(const std::string& path, Document& document, std::string* error);
