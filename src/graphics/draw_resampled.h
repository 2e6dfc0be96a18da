// Drawing a graphic resampled to a rectangle, as the image controls with
// resampling do.
#pragma once

#include "graphics/filter_kernel.h"
#include "graphics/graphic.h"

namespace xs {

// Draws graphic resampled through kernel into rect of canvas. Nothing is
// drawn for a missing or empty graphic or an empty rect; without a kernel,
// or at the graphic's own size, the graphic is stretched plainly. Uses
// process-wide scratch images: not re-entrant, user-interface thread only.
void DrawResampled(TXCanvas& canvas, const TRect& rect, const TXGraphic* graphic,
                   const TXCustomFilterKernel* kernel);

}  // namespace xs
