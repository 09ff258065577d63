#pragma once
// The about box's picture, a JPEG of our own drawing (make-about-picture.sh).
extern const unsigned char kAboutPictureJpeg[];
extern const unsigned kAboutPictureJpegSize;
