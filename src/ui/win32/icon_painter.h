// Who paints the icon of a message box: the program sets the painter once
// its images exist. Without one the icon place stays empty.
#pragma once

#include <windows.h>

namespace xs {

// Paints the image for icon (an icon id: 32512 application, 32513 error,
// 32514 question, 32515 warning, 32516 information; any other id paints
// nothing) into rect of dc.
using TXIconPainter = void (*)(HDC dc, int icon, const RECT& rect);

void SetIconPainter(TXIconPainter painter);

// The painter of the program's own icons (TXWinData), resampled to the
// place's size when it is none of the sizes kept; the one in use unless
// SetIconPainter chose another.
void PaintWinDataIcon(HDC dc, int icon, const RECT& rect);

}  // namespace xs
