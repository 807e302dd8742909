#pragma once
// The shape of a skinned window, cut out of its skin by a colour key.

#include <QColor>
#include <QImage>
#include <QRegion>
#include <optional>

// The inclusive range of each channel that counts as the key colour.
struct KeyRanges {
    int lowRed, highRed;
    int lowGreen, highGreen;
    int lowBlue, highBlue;

    bool Matches(QRgb pixel) const;
};

// Exact black and exact white get a one-sided range of 16; any other key
// matches within 17 either side, clipped to 0..255.
KeyRanges KeyRangesFor(QColor key);

// The region covering exactly the pixels of `bitmap` that do not match `key`,
// in the bitmap's own coordinates. `collectOpaque` chooses whether the runs of
// non-key pixels are gathered directly, or the key runs are gathered and the
// result turned inside out; both give the same shape. None for a null bitmap.
std::optional<QRegion> RegionFromBitmap(const QImage& bitmap, QColor key, bool collectOpaque);

// The same shape for a window, in its logical pixels (those a window's mask is
// given in), from a bitmap drawn at any whole device pixel ratio: a logical
// pixel is inside when none of the device pixels it covers matches `key`, so
// no key colour shows along the edge. At ratio 1 it is RegionFromBitmap's.
std::optional<QRegion> WindowRegionFromBitmap(const QImage& bitmap, QColor key);
