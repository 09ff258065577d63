#pragma once
// JPEG decoding for the built-in about picture, safe against damaged data.
#include <QImage>
#include <cstddef>

// Decodes a JPEG with libjpeg. A null image when the data is not a JPEG it
// can read; a damaged file never aborts the program.
QImage DecodeJpeg(const unsigned char* data, std::size_t size);
