// Layer III stereo processing on the requantised spectra (coded order):
// mid/side and intensity stereo, MPEG-1 and MPEG-2 flavours.
//
// Intensity stereo codes only the left channel above a boundary: the bands
// of the right channel that hold nothing but zeros. Each such band whose
// position is legal is split between the channels; the others, and every
// band below the boundary, get mid/side when that is on.

#include "layer3.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr float kInverseRoot2 = 0.70710678118654752f;

// A stretch of lines in coded order and the intensity position coding it.
struct Band {
    int from, to;
    int position;     // the right channel's scale factor
    int illegal;      // the position that means "not intensity coded"
};

// The bands of the right channel above its intensity boundary, at most
// 3 x 12 short and 21 long ones.
struct IntensityBands {
    Band band[64];
    int count = 0;
};

// Mid/side on the lines [from, to), except those `skip` marks.
void MidSide(float* left, float* right, int from, int to, const bool* skip = nullptr)
{
    for (int i = from; i < to; ++i) {
        if (skip && skip[i])
            continue;
        const float mid = left[i], side = right[i];
        left[i] = (mid + side) * kInverseRoot2;
        right[i] = (mid - side) * kInverseRoot2;
    }
}

bool AllZero(const float* lines, int from, int to)
{
    for (int i = from; i < to; ++i)
        if (lines[i] != 0.0f)
            return false;
    return true;
}

// The ratios of the two channels for an intensity position.
void IntensityRatios(int version, int position, int intensityScale, float& toLeft, float& toRight)
{
    if (version == 1) {
        toLeft = mpeg1IntensityLeft[position];
        toRight = mpeg1IntensityRight[position];
        return;
    }
    // MPEG-2: the louder channel keeps the value, the other is lowered by
    // 2^(-1/4) or 2^(-1/2) per step.
    const double step = intensityScale ? 0.5 : 0.25;
    const float lowered = float(std::exp2(-step * ((position + 1) / 2)));
    toLeft = (position & 1) ? lowered : 1.0f;
    toRight = (position & 1) ? 1.0f : lowered;
    if (position == 0)
        toLeft = toRight = 1.0f;
}

// The position that marks a band as not intensity coded.
int IllegalPosition(int version, uint8_t limit) { return version == 1 ? 7 : int(limit); }

// Short blocks: per window, the bands above the window's last non-zero one
// (from band 3 up in a mixed block). Returns whether every window is zero
// down to its first short band, which leaves a mixed block's long part open.
bool GatherShortBands(int version, const BandTable& bands, const GranuleChannel& rightInfo,
                      const ScaleFactors& rightSf, const float* right, IntensityBands& found)
{
    const int firstShort = rightInfo.mixedBlock ? 3 : 0;
    bool longPartOpen = true;
    for (int window = 0; window < 3; ++window) {
        const auto lines = [&](int band) {
            const int width = bands.shortBound[band + 1] - bands.shortBound[band];
            const int from = 3 * bands.shortBound[band] + window * width;
            return std::pair{from, from + width};
        };
        int boundary = 12;
        while (boundary > firstShort) {
            const auto [from, to] = lines(boundary - 1);
            if (!AllZero(right, from, to))
                break;
            --boundary;
        }
        if (boundary > firstShort)
            longPartOpen = false;
        for (int band = boundary; band < 12; ++band) {
            const auto [from, to] = lines(band);
            found.band[found.count++] = {from, to, rightSf.shortBands[band][window],
                                         IllegalPosition(version, rightSf.shortLimit[band])};
        }
    }
    return longPartOpen;
}

// Long bands above the last non-zero one, up to `longBands`.
void GatherLongBands(int version, const BandTable& bands, int longBands, const ScaleFactors& rightSf,
                     const float* right, IntensityBands& found)
{
    int boundary = longBands;
    while (boundary > 0 && AllZero(right, bands.longBound[boundary - 1], bands.longBound[boundary]))
        --boundary;
    for (int band = boundary; band < longBands; ++band)
        found.band[found.count++] = {bands.longBound[band], bands.longBound[band + 1], rightSf.longBands[band],
                                     IllegalPosition(version, rightSf.longLimit[band])};
}

// Splits each band with a legal position between the channels and marks
// its lines in `coded`.
void ApplyIntensity(int version, int intensityScale, const IntensityBands& found, float* left, float* right,
                    bool* coded)
{
    for (int b = 0; b < found.count; ++b) {
        const Band& band = found.band[b];
        // MPEG-1 has ratios for positions 0..6 only.
        if (band.position == band.illegal || (version == 1 && band.position > 6))
            continue;
        float toLeft, toRight;
        IntensityRatios(version, band.position, intensityScale, toLeft, toRight);
        for (int i = band.from; i < band.to; ++i) {
            const float value = left[i];
            left[i] = value * toLeft;
            right[i] = value * toRight;
            coded[i] = true;
        }
    }
}

} // namespace

void ProcessStereo(int version, const BandTable& bands, const GranuleChannel gc[2], const ScaleFactors sf[2],
                   bool msStereo, bool intensityStereo, ChannelSpectrum spectrum[2])
{
    float* left = spectrum[0].lines;
    float* right = spectrum[1].lines;
    const int extent = std::max(spectrum[0].nonzero, spectrum[1].nonzero);
    spectrum[0].nonzero = spectrum[1].nonzero = extent;
    if (!intensityStereo) {
        if (msStereo)
            MidSide(left, right, 0, extent);
        return;
    }

    const GranuleChannel& rightInfo = gc[1];
    IntensityBands found;
    const bool shortBlocks = rightInfo.blockType == 2;
    const bool longPartOpen = shortBlocks && GatherShortBands(version, bands, rightInfo, sf[1], right, found);
    if (!shortBlocks || (rightInfo.mixedBlock && longPartOpen)) {
        const int longBands = shortBlocks ? (version == 1 ? 8 : 6) : 21;
        GatherLongBands(version, bands, longBands, sf[1], right, found);
    }

    // Mid/side below the boundary and in bands whose position is illegal.
    bool coded[576] = {};
    ApplyIntensity(version, rightInfo.scalefacCompress & 1, found, left, right, coded);
    if (msStereo)
        MidSide(left, right, 0, extent, coded);
}
