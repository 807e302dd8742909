#include "regionfrombitmap.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

// No single region is built from more rectangles than this; bigger shapes are
// built batch by batch and the batches joined by union.
constexpr std::size_t kBatchLimit = 3000;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// Joins the rectangles pairwise, so a batch costs n log n rather than n squared.
QRegion UnionOf(std::span<const QRect> rects)
{
    if (rects.empty())
        return {};
    if (rects.size() == 1)
        return QRegion(rects.front());
    const std::size_t half = rects.size() / 2;
    return UnionOf(rects.first(half)).united(UnionOf(rects.subspan(half)));
}

// Gathers one-pixel-high runs and turns them into a region batch by batch.
class RunCollector {
public:
    void AddRun(int x0, int x, int y)
    {
        batch.emplace_back(QPoint(x0, y), QPoint(x - 1, y));
        if (batch.size() == kBatchLimit)
            Flush();
    }

    QRegion Finish()
    {
        Flush();
        return result;
    }

private:
    void Flush()
    {
        result = result.united(UnionOf(batch));
        batch.clear();
    }

    std::vector<QRect> batch;
    QRegion result;
};

} // namespace

bool KeyRanges::Matches(QRgb pixel) const
{
    return InRange(qRed(pixel), lowRed, highRed) && InRange(qGreen(pixel), lowGreen, highGreen)
        && InRange(qBlue(pixel), lowBlue, highBlue);
}

KeyRanges KeyRangesFor(QColor key)
{
    const bool black = key.red() == 0 && key.green() == 0 && key.blue() == 0;
    const bool white = key.red() == 255 && key.green() == 255 && key.blue() == 255;
    auto low = [&](int c) { return black ? c : white ? c - 16 : std::max(0, c - 17); };
    auto high = [&](int c) { return black ? std::min(255, c + 16) : white ? c : std::min(255, c + 17); };
    return {low(key.red()), high(key.red()), low(key.green()), high(key.green()),
            low(key.blue()), high(key.blue())};
}

std::optional<QRegion> RegionFromBitmap(const QImage& bitmap, QColor key, bool collectOpaque)
{
    if (bitmap.isNull())
        return std::nullopt;
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    const KeyRanges ranges = KeyRangesFor(key);
    const int w = pixels.width();
    const int h = pixels.height();

    // A run is a stretch of pixels that are (or, collecting the key, are not)
    // part of the shape; the pixel that ends a run belongs to no run.
    RunCollector runs;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < w) {
            const int x0 = x;
            while (x < w && ranges.Matches(row[x]) != collectOpaque)
                ++x;
            if (x > x0)
                runs.AddRun(x0, x, y);
            ++x;
        }
    }
    QRegion shape = runs.Finish();
    if (!collectOpaque)
        shape = shape.xored(QRegion(0, 0, w, h));
    return shape;
}

std::optional<QRegion> WindowRegionFromBitmap(const QImage& bitmap, QColor key)
{
    const int ratio = qRound(bitmap.devicePixelRatio());
    if (bitmap.isNull() || ratio <= 1)
        return RegionFromBitmap(bitmap, key, false);
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    const KeyRanges ranges = KeyRangesFor(key);
    const QRgb keyPixel = key.rgb();
    const QRgb otherPixel = ranges.Matches(qRgb(255, 255, 255)) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    QImage logical(pixels.width() / ratio, pixels.height() / ratio, QImage::Format_RGB32);
    for (int y = 0; y < logical.height(); ++y) {
        for (int x = 0; x < logical.width(); ++x) {
            bool keyed = false;
            for (int dy = 0; dy < ratio && !keyed; ++dy) {
                const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y * ratio + dy));
                for (int dx = 0; dx < ratio && !keyed; ++dx)
                    keyed = ranges.Matches(row[x * ratio + dx]);
            }
            logical.setPixel(x, y, keyed ? keyPixel : otherPixel);
        }
    }
    return RegionFromBitmap(logical, key, false);
}
