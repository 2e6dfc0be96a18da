// The separable two-pass resampler: a contributor table per dimension, then
// a horizontal pass over the source rows and a vertical pass over the
// intermediate columns.
#pragma once

#include "graphics/bitmap.h"
#include "graphics/data_map.h"
#include "graphics/filter_kernel.h"
#include "graphics/picture.h"

namespace xs {

// Fills table for dest_count samples from source_count ones: entry i holds
// the source samples and weights that make destination sample i, the
// weights of each entry summing to 1 (up to rounding). With centred the
// scale is dest_count / source_count, else (dest_count - 1) /
// (source_count - 1), so that the first and last samples coincide. Indexes
// outside the source reflect: -1 reads sample 1, source_count reads
// source_count - 1. Fewer than 2 samples on either side leave table empty.
void ComputeContributors(int dest_count, int source_count, bool centred, TXPixContributorDataMap& table,
                         const TXCustomFilterKernel& kernel);

// dest becomes dest_width x dest_height with source's blue, green and red
// filtered through kernel; the fourth byte of each pixel is 255. A source or
// destination side of 3 or less is stretched plainly instead.
void ResampleBitmap(const TXBitmap& source, TXBitmap& dest, int dest_width, const TXCustomFilterKernel& kernel,
                    int dest_height);

// dest becomes dest_width x dest_height with an alpha channel, colour and
// alpha of source filtered through kernel (a source without alpha counts as
// opaque). A side of 3 or less is stretched plainly instead.
void ResamplePicture(const TXPicture& source, TXPicture& dest, int dest_width, const TXCustomFilterKernel& kernel,
                     int dest_height);

}  // namespace xs
