// Reading page images as ink and writing overlays, through Qt's image codecs.
#pragma once

#include <QString>

#include "ink_agreement.h"
#include "ink_image.h"

// Reads a PNG (any format Qt reads) and marks as ink every pixel darker than
// mid grey. Returns false, with a message naming the file, when unreadable.
bool readInkImage(const QString& path, InkImage& image, QString* error);

// Writes the overlay as a four-colour palette PNG: white, black where the
// pages agree, red for SCORE's ink only, blue for ours only.
bool writeOverlayPng(const QString& path, const OverlayImage& overlay, QString* error);
