// Draws a picture on a device context, blended over what is there by its
// alpha channel (opaque without one).
#pragma once

#include <windows.h>

#include "graphics/picture.h"

namespace xs {

void PaintPicture(HDC dc, const TXPicture& picture, int left, int top);

}  // namespace xs
