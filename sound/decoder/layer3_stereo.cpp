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

namespace {

constexpr float kInverseRoot2 = 0.70710678118654752f;

// A stretch of lines in coded order and the intensity position coding it.
struct Band {
    int from, to;
    int position;     // the right channel's scale factor
    int illegal;      // the position that means "not intensity coded"
};

void MidSide(float* left, float* right, int from, int to)
{
    for (int i = from; i < to; ++i) {
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

} // namespace

void ProcessStereo(int version, const BandTable& bands, const GranuleChannel gc[2], const ScaleFactors sf[2],
                   bool msStereo, bool intensityStereo, ChannelSpectrum spectrum[2])
{
    float* left = spectrum[0].lines;
    float* right = spectrum[1].lines;
    const int extent = std::max(spectrum[0].nonzero, spectrum[1].nonzero);
    if (!intensityStereo) {
        if (msStereo)
            MidSide(left, right, 0, extent);
        spectrum[0].nonzero = spectrum[1].nonzero = extent;
        return;
    }

    // Gather the bands of the right channel above its boundary.
    const GranuleChannel& rightInfo = gc[1];
    Band found[64];
    int count = 0;
    const int intensityScale = rightInfo.scalefacCompress & 1;
    const int mpeg1Illegal = 7;
    const auto positionLimit = [&](uint8_t limit) { return version == 1 ? mpeg1Illegal : int(limit); };
    const bool shortBlocks = rightInfo.blockType == 2;
    bool longPartOpen = true;
    if (shortBlocks) {
        const int firstShort = rightInfo.mixedBlock ? 3 : 0;
        for (int window = 0; window < 3; ++window) {
            // The boundary of this window: above its last non-zero band.
            int boundary = 12;
            while (boundary > firstShort) {
                const int band = boundary - 1;
                const int width = bands.shortBound[band + 1] - bands.shortBound[band];
                const int from = 3 * bands.shortBound[band] + window * width;
                if (!AllZero(right, from, from + width))
                    break;
                boundary = band;
            }
            if (boundary > firstShort)
                longPartOpen = false;
            for (int band = boundary; band < 12; ++band) {
                const int width = bands.shortBound[band + 1] - bands.shortBound[band];
                const int from = 3 * bands.shortBound[band] + window * width;
                found[count++] = {from, from + width, sf[1].shortBands[band][window],
                                  positionLimit(sf[1].shortLimit[band])};
            }
        }
    }
    if (!shortBlocks || (rightInfo.mixedBlock && longPartOpen)) {
        const int longBands = shortBlocks ? (version == 1 ? 8 : 6) : 21;
        int boundary = longBands;
        while (boundary > 0 && AllZero(right, bands.longBound[boundary - 1], bands.longBound[boundary]))
            --boundary;
        for (int band = boundary; band < longBands; ++band)
            found[count++] = {bands.longBound[band], bands.longBound[band + 1], sf[1].longBands[band],
                              positionLimit(sf[1].longLimit[band])};
    }

    // Mid/side below the boundary and in bands whose position is illegal.
    bool coded[576] = {};
    for (int b = 0; b < count; ++b) {
        const Band& band = found[b];
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
    if (msStereo) {
        for (int i = 0; i < extent; ++i) {
            if (coded[i])
                continue;
            const float mid = left[i], side = right[i];
            left[i] = (mid + side) * kInverseRoot2;
            right[i] = (mid - side) * kInverseRoot2;
        }
    }
    spectrum[0].nonzero = spectrum[1].nonzero = extent;
}
