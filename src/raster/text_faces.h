// Finding the font files of text runs without fontconfig, whose start-up
// costs milliseconds: the Nimbus Roman faces of Debian's fonts-urw-base35
// in the standard font folders, else a serif face found the same way.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "paint/drawing_surface.h"

struct TextFaceFiles {
  // By FontStyle: roman, bold, italic, bold italic; empty when none found.
  std::array<std::string, 4> files;
  bool fallback = false;  // some style is not Nimbus Roman's own

  const std::string& of(FontStyle style) const { return files[static_cast<size_t>(style)]; }
};

// $XDG_DATA_HOME/fonts (else ~/.local/share/fonts), ~/.fonts,
// /usr/local/share/fonts and /usr/share/fonts.
std::vector<std::string> standardFontFolders();

// Each style's file under the folders: first where the Debian package puts
// it, then anywhere below them. A missing style takes the roman face, a
// missing roman a serif face of DejaVu, Liberation or FreeFont.
TextFaceFiles findTextFaces(const std::vector<std::string>& folders);

// The files of the standard folders, looked for once per program; the first
// call writes one "melibron: ..." line on standard error when they are not
// all Nimbus Roman's, naming the package that brings them.
const TextFaceFiles& textFaces();
