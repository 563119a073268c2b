// PNG encoding of pages: in the smallest pixel format that holds them, and
// for black-and-white and grey pages faster than Qt's writer, which
// compresses every image alike, where line art compresses as well at a
// fraction of the cost with run-length matching.
#pragma once

#include <QByteArray>
#include <QImage>

// The RGB32 page in the smallest image format that holds its pixels
// exactly: Format_Mono (black at index 0) for black and white, a grey byte
// for grey, else the page as it is. The encoder's time grows with the bytes
// it is given.
QImage compactPage(const QImage& page);

// The PNG file of image when it is Format_Mono with black at index 0 and
// white at 1, or Format_Grayscale8; empty for other images, which Qt's
// writer takes, and if libpng fails. Read back, the pixels are exactly those of image, and its
// resolution is kept.
QByteArray encodeGreyPng(const QImage& image);
