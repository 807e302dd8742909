// Layer III scale factors: MPEG-1 with slen1/slen2 and the sharing of bands
// between granules (scfsi); MPEG-2 and 2.5 with the nine-bit compress value
// and its variant for the right channel of intensity stereo.

#include "bit_reader.h"
#include "layer3.h"

#include <cstring>

namespace {

constexpr uint8_t kSlen[2][16] = {
    {0, 0, 0, 0, 3, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4},
    {0, 1, 2, 3, 0, 1, 2, 3, 1, 2, 3, 1, 2, 3, 2, 3},
};

// MPEG-1 long bands in the four groups scfsi can share.
constexpr int kScfsiGroupStart[5] = {0, 6, 11, 16, 21};

// MPEG-2: how many scale factors each of the four slen fields covers, by
// [compress range][long, short, mixed][field].
constexpr uint8_t kFieldCounts[6][3][4] = {
    {{6, 5, 5, 5}, {9, 9, 9, 9}, {6, 9, 9, 9}},
    {{6, 5, 7, 3}, {9, 9, 12, 6}, {6, 9, 12, 6}},
    {{11, 10, 0, 0}, {18, 18, 0, 0}, {15, 18, 0, 0}},
    {{7, 7, 7, 0}, {12, 12, 12, 0}, {6, 15, 12, 0}},
    {{6, 6, 6, 3}, {12, 9, 9, 6}, {6, 12, 9, 6}},
    {{8, 8, 5, 0}, {15, 12, 9, 0}, {6, 18, 9, 0}},
};

} // namespace

void ReadScaleFactorsMpeg1(BitReader& reader, const GranuleChannel& gc, const int scfsi[4], int granule,
                           ScaleFactors& sf, const ScaleFactors& granule0)
{
    const int slen1 = kSlen[0][gc.scalefacCompress];
    const int slen2 = kSlen[1][gc.scalefacCompress];
    std::memset(&sf, 0, sizeof sf);
    if (gc.blockType == 2) {
        int firstShort = 0;
        if (gc.mixedBlock) {
            for (int band = 0; band < 8; ++band)
                sf.longBands[band] = uint8_t(reader.Get(slen1));
            firstShort = 3;
        }
        for (int band = firstShort; band < 12; ++band) {
            const int bits = band < 6 ? slen1 : slen2;
            for (int window = 0; window < 3; ++window)
                sf.shortBands[band][window] = uint8_t(reader.Get(bits));
        }
        return;
    }
    for (int group = 0; group < 4; ++group) {
        const int bits = group < 2 ? slen1 : slen2;
        const bool shared = granule == 1 && scfsi[group];
        for (int band = kScfsiGroupStart[group]; band < kScfsiGroupStart[group + 1]; ++band)
            sf.longBands[band] = shared ? granule0.longBands[band] : uint8_t(reader.Get(bits));
    }
}

void ReadScaleFactorsMpeg2(BitReader& reader, GranuleChannel& gc, bool intensityRight, ScaleFactors& sf)
{
    int slen[4] = {};
    int range;
    int compress = gc.scalefacCompress;
    gc.preflag = false;
    if (!intensityRight) {
        if (compress < 400) {
            slen[0] = (compress >> 4) / 5;
            slen[1] = (compress >> 4) % 5;
            slen[2] = (compress & 15) >> 2;
            slen[3] = compress & 3;
            range = 0;
        } else if (compress < 500) {
            compress -= 400;
            slen[0] = (compress >> 2) / 5;
            slen[1] = (compress >> 2) % 5;
            slen[2] = compress & 3;
            range = 1;
        } else {
            compress -= 500;
            slen[0] = compress / 3;
            slen[1] = compress % 3;
            gc.preflag = true;
            range = 2;
        }
    } else {
        compress >>= 1;
        if (compress < 180) {
            slen[0] = compress / 36;
            slen[1] = (compress % 36) / 6;
            slen[2] = compress % 6;
            range = 3;
        } else if (compress < 244) {
            compress -= 180;
            slen[0] = (compress & 63) >> 4;
            slen[1] = (compress & 15) >> 2;
            slen[2] = compress & 3;
            range = 4;
        } else {
            compress -= 244;
            slen[0] = compress / 3;
            slen[1] = compress % 3;
            range = 5;
        }
    }

    std::memset(&sf, 0, sizeof sf);
    const int kind = gc.blockType != 2 ? 0 : (gc.mixedBlock ? 2 : 1);
    const uint8_t* counts = kFieldCounts[range][kind];
    // The values run over the long bands first (all of them, or the six of a
    // mixed block), then over the short bands, three windows each.
    const int longCount = kind == 0 ? 21 : (kind == 2 ? 6 : 0);
    int value = 0;
    for (int field = 0; field < 4; ++field) {
        const int bits = slen[field];
        const uint8_t limit = uint8_t((1 << bits) - 1);
        for (int n = 0; n < counts[field]; ++n, ++value) {
            const uint8_t factor = uint8_t(reader.Get(bits));
            if (value < longCount) {
                sf.longBands[value] = factor;
                sf.longLimit[value] = limit;
            } else {
                const int shortValue = value - longCount;
                const int band = shortValue / 3 + (kind == 2 ? 3 : 0);
                if (band < 13) {
                    sf.shortBands[band][shortValue % 3] = factor;
                    sf.shortLimit[band] = limit;
                }
            }
        }
    }
}
