// The fonts of text runs: the named family from the font database, or the
// nearest serif face when it is not installed, said once on standard error.
#pragma once

#include <QFont>
#include <QString>

#include "paint/drawing_surface.h"

// The font of a run at a whole pixel size, unhinted so that its advances
// are the font's own, with the run's character spacing. Needs a
// QGuiApplication.
QFont textRunFont(const TextRun& run, int pixelSize);

// True when the font database has the family; the first time a family is
// missing, writes "melibron: ..." naming the package that brings it.
bool textFamilyInstalled(const QString& family);
