#pragma once
// The picture in the footer of the half-year plan page: a paper mill by the
// river with its chimney and a finished paper roll in front. It is drawn by
// code, so the program carries it without any file beside it.

#include <cairomm/cairomm.h>

namespace sk {

inline constexpr int kPaperMillPictureWidth = 146;
inline constexpr int kPaperMillPictureHeight = 175;

// A new 146 x 175 pixel, 24-bit image holding the picture; the same pixels
// every time.
Cairo::RefPtr<Cairo::ImageSurface> PaperMillPicture();

}  // namespace sk
