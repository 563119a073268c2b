// PNG files of pages painted by Qt, through the raster layer's encoder:
// black-and-white and grey pages in the smallest pixel format that holds
// them, faster than Qt's writer, which compresses every image alike.
#pragma once

#include <QByteArray>
#include <QImage>

#include "raster/grey_page.h"

// The page as grey bytes, or an empty page when it has colour.
GreyPage greyPageOf(const QImage& page);

// The PNG file of an RGB32 page when it is grey (a bit a pixel when black
// and white), at its resolution; empty for a page in colour, which Qt's
// writer takes, and if libpng fails. Read back, the pixels are exactly
// those of the page.
QByteArray encodePagePng(const QImage& page);
