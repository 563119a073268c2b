// The values of the File Info dialog, shared by the dialog and --info.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "score/document.h"

// The dialog's label and value pairs for the document, in dialog order:
// "Number of items:", the eighteen counts "1. Notes" .. "18. Time sigs.",
// then file size, SCORE version, serial number and measurement units.
// Numbers are shown unsigned; units are "inches" or "centimetres".
std::vector<std::pair<std::string, std::string>> fileInfoValues(const Document& document);
