// Removing the marks of coded regions, so that readers no longer find them. Data bits stay.
//
// Each start point taking part is first blended away: each of its four neighbours becomes the
// per-channel average (truncated) of the two diagonal pixels beside it (up: upper-left and
// upper-right; left: upper-left and lower-left; right: upper-right and lower-right; down:
// lower-left and lower-right), the start point itself the average of all four, all opaque.
// Then B0 is cleared in every pixel taking part.
#pragma once

#include "kelvoimagebuffers.h"

// All pixels take part. False when the picture cannot be coded.
bool kelvoEraseMarks(const KelvoPixelBuffer& image);

// Pixels of the region that owns palette index `index` (2 or more) of `idImage`, the id image
// decoded from `image`, take part: every index whose palette entry has the same region key in
// its blue channel, so all parts of a region go together. False, doing nothing, when the
// picture cannot be coded, the id image's size differs or `index` and its partner (index ^ 1)
// are not both region indices of its palette.
bool kelvoEraseRegionMarks(const KelvoPixelBuffer& image, const KelvoIndexedImage& idImage,
                           int index);
