// The Layer III inverse MDCT with its window, the overlap-add and the
// frequency inversion, for one width of FloatLanes: included by
// layer3_imdct.cpp (the portable build) and, on x86-64, by
// layer3_imdct_avx2.cpp (compiled for AVX2). Everything here has internal
// linkage, so the two builds never mix.
//
// The 36-point transform of 18 lines is an 18-point DCT-IV read out
// forwards and backwards with signs; the DCT-IV is computed from an 18-point
// DCT-II of the pre-weighted input,
//     X[0] = C[0] / 2,  X[k] = C[k] - X[k-1],
// and the DCT-II by halving into two 9-point DCT-IIs, each of which pairs
// its inputs n and 8 - n. The 12-point transforms of short blocks are small
// enough to stay matrix products.
//
// The transforms run on groups of L adjacent subbands, one per lane: their
// samples of one time slot lie side by side in the output, and so does the
// overlap kept for the next granule.
//
// The includer defines FloatLanes, SplatLanes, LoadLanes, StoreLanes and
// TransposeLanes, and L, their width.

#include "layer3_imdct.h"

#include <cmath>

namespace {

static_assert(32 % L == 0 && L % 2 == 0, "groups start on even subbands");

// The factors in every lane, so that a multiplication needs no broadcast.
FloatLanes preWeight[18];   // 2 cos(pi (2n + 1) / 72)
FloatLanes oddWeight[9];    // 1 / (2 cos(pi (2n + 1) / 36))
FloatLanes cos9[9][4];      // cos(pi (2n + 1) k / 18) for n = 0..3
FloatLanes shortDct[6][6];  // [line][output]: cos(pi / 6 (k + 1/2)(m + 1/2))
FloatLanes signedShortWindow[12]; // sin(pi / 12 (i + 1/2)), negated from i = 3 on
float signedLongWindow[4][36];
FloatLanes longWindowLanes[4][36];

// Which of its 6 outputs each of the 12 samples of a short transform takes
// (as the long one takes X[i + 9] for the first nine samples, then X[17]
// down to X[0], then X[0] up to X[8], all but the first nine negated).
constexpr int kShortOrder[12] = {3, 4, 5, 5, 4, 3, 2, 1, 0, 0, 1, 2};

// 9-point DCT-II of every lane: out[k] = sum z[n] cos(pi (2n + 1) k / 18).
inline void Dct9(const FloatLanes* z, FloatLanes* out)
{
    const FloatLanes s0 = z[0] + z[8], s1 = z[1] + z[7], s2 = z[2] + z[6], s3 = z[3] + z[5];
    const FloatLanes d0 = z[0] - z[8], d1 = z[1] - z[7], d2 = z[2] - z[6], d3 = z[3] - z[5];
    const FloatLanes middle = z[4];
    // The middle input has cos(pi k / 2): 1, 0, -1, 0, 1, ... over k.
    out[0] = s0 + s1 + s2 + s3 + middle;
    out[2] = s0 * cos9[2][0] + s1 * cos9[2][1] + s2 * cos9[2][2] + s3 * cos9[2][3] - middle;
    out[4] = s0 * cos9[4][0] + s1 * cos9[4][1] + s2 * cos9[4][2] + s3 * cos9[4][3] + middle;
    out[6] = s0 * cos9[6][0] + s1 * cos9[6][1] + s2 * cos9[6][2] + s3 * cos9[6][3] - middle;
    out[8] = s0 * cos9[8][0] + s1 * cos9[8][1] + s2 * cos9[8][2] + s3 * cos9[8][3] + middle;
    for (int k = 1; k < 9; k += 2)
        out[k] = d0 * cos9[k][0] + d1 * cos9[k][1] + d2 * cos9[k][2] + d3 * cos9[k][3];
}

void LongImdct(const FloatLanes* lines, const FloatLanes* window, FloatLanes* out)
{
    FloatLanes sums[9], differences[9];
    for (int n = 0; n < 9; ++n) {
        const FloatLanes low = lines[n] * preWeight[n], high = lines[17 - n] * preWeight[17 - n];
        sums[n] = low + high;
        differences[n] = (low - high) * oddWeight[n];
    }
    FloatLanes even[9], odd[9];
    Dct9(sums, even);
    Dct9(differences, odd);

    FloatLanes x[18];
    x[0] = even[0] * 0.5f;
    for (int h = 0; h < 8; ++h) {
        x[2 * h + 1] = odd[h] + odd[h + 1] - x[2 * h];
        x[2 * h + 2] = even[h + 1] - x[2 * h + 1];
    }
    x[17] = odd[8] - x[16];
    for (int i = 0; i < 9; ++i)
        out[i] = x[i + 9] * window[i];
    for (int i = 9; i < 27; ++i)
        out[i] = x[26 - i] * window[i];
    for (int i = 27; i < 36; ++i)
        out[i] = x[i - 27] * window[i];
}

void ShortImdct(const FloatLanes* lines, FloatLanes* out)
{
    const FloatLanes zero = SplatLanes(0.0f);
    for (int i = 0; i < 6; ++i) {
        out[i] = zero;
        out[30 + i] = zero;
    }
    FloatLanes y[3][12];
    for (int w = 0; w < 3; ++w) {
        const FloatLanes* in = lines + 6 * w;
        FloatLanes t[6];
        for (int k = 0; k < 6; ++k)
            t[k] = in[0] * shortDct[0][k] + in[1] * shortDct[1][k] + in[2] * shortDct[2][k] + in[3] * shortDct[3][k] +
                   in[4] * shortDct[4][k] + in[5] * shortDct[5][k];
        // The 12 outputs: t[3..5], then -t[5..0], then -t[0..2], windowed
        // (the signs are in signedShortWindow).
        for (int i = 0; i < 12; ++i)
            y[w][i] = t[kShortOrder[i]] * signedShortWindow[i];
    }
    for (int i = 0; i < 6; ++i) {
        out[6 + i] = y[0][i];
        out[12 + i] = y[0][6 + i] + y[1][i];
        out[18 + i] = y[1][6 + i] + y[2][i];
        out[24 + i] = y[2][6 + i];
    }
}

void BuildTables()
{
    for (int n = 0; n < 18; ++n)
        preWeight[n] = SplatLanes(float(2.0 * std::cos(M_PI * (2 * n + 1) / 72.0)));
    for (int n = 0; n < 9; ++n)
        oddWeight[n] = SplatLanes(float(0.5 / std::cos(M_PI * (2 * n + 1) / 36.0)));
    for (int k = 0; k < 9; ++k)
        for (int n = 0; n < 4; ++n)
            cos9[k][n] = SplatLanes(float(std::cos(M_PI * (2 * n + 1) * k / 18.0)));
    for (int m = 0; m < 6; ++m)
        for (int k = 0; k < 6; ++k)
            shortDct[m][k] = SplatLanes(float(std::cos(M_PI / 6.0 * (k + 0.5) * (m + 0.5))));
    for (int i = 0; i < 12; ++i)
        signedShortWindow[i] = SplatLanes(float((i < 3 ? 1.0 : -1.0) * std::sin(M_PI / 12.0 * (i + 0.5))));
    // Windows by block type: 0 normal, 1 start, 3 stop (2 is never long).
    for (int i = 0; i < 36; ++i) {
        const double longSine = std::sin(M_PI / 36.0 * (i + 0.5));
        double start = 0.0, stop = 0.0;
        if (i < 18) start = longSine;
        else if (i < 24) start = 1.0;
        else if (i < 30) start = std::sin(M_PI / 12.0 * (i - 18 + 0.5));
        if (i >= 18) stop = longSine;
        else if (i >= 12) stop = 1.0;
        else if (i >= 6) stop = std::sin(M_PI / 12.0 * (i - 6 + 0.5));
        const double sign = i < 9 ? 1.0 : -1.0;
        const double shapes[4] = {longSine, start, longSine, stop};
        for (int type = 0; type < 4; ++type) {
            signedLongWindow[type][i] = float(sign * shapes[type]);
            longWindowLanes[type][i] = SplatLanes(signedLongWindow[type][i]);
        }
    }
}

// The windowed transforms of subbands sb0 .. sb0 + L - 1.
void TransformGroup(const float* lines, int blockType, bool mixedBlock, int sb0, FloatLanes* out)
{
    // Each subband's run of L lines loaded as one vector, then transposed:
    // one vector per line over the subbands. The last block reads a few
    // lines past the 18 (of the next subband, or the buffer's padding).
    FloatLanes in[18];
    const float* first = lines + sb0 * 18;
    for (int k0 = 0; k0 < 18; k0 += L) {
        FloatLanes rows[L];
        for (int l = 0; l < L; ++l)
            rows[l] = LoadLanes(first + 18 * l + k0);
        TransposeLanes(rows);
        for (int k = k0; k < k0 + L && k < 18; ++k)
            in[k] = rows[k - k0];
    }

    const bool shortBlock = blockType == 2;
    if (!mixedBlock || sb0 >= 2) {
        if (shortBlock)
            ShortImdct(in, out);
        else
            LongImdct(in, longWindowLanes[blockType & 3], out);
        return;
    }
    // The two lowest subbands of a mixed block are normal long blocks (so a
    // start or stop block flagged mixed keeps the normal window there too).
    FloatLanes window[36];
    for (int i = 0; i < 36; ++i)
        for (int l = 0; l < L; ++l)
            window[i][l] = signedLongWindow[sb0 + l < 2 ? 0 : blockType & 3][i];
    LongImdct(in, window, out);
    if (shortBlock) {
        FloatLanes shortOut[36];
        ShortImdct(in, shortOut);
        for (int i = 0; i < 36; ++i)
            for (int l = 0; l < L; ++l)
                if (sb0 + l >= 2)
                    out[i][l] = shortOut[i][l];
    }
}

// Odd subbands have every odd time slot negated.
FloatLanes OddSlotSigns()
{
    FloatLanes signs;
    for (int l = 0; l < L; ++l)
        signs[l] = (l & 1) ? -1.0f : 1.0f;
    return signs;
}

int TransformSubbands(const float* lines, int blockType, bool mixedBlock, int active, float (*saved)[32],
                      float* granuleOut)
{
    const FloatLanes oddSlotSigns = OddSlotSigns();
    const int groups = (active + L - 1) / L;
    for (int g = 0; g < groups; ++g) {
        const int sb0 = g * L;
        FloatLanes out[36];
        TransformGroup(lines, blockType, mixedBlock, sb0, out);
        for (int t = 0; t < 18; ++t) {
            float* kept = saved[t] + sb0;
            const FloatLanes sum = out[t] + LoadLanes(kept);
            StoreLanes(granuleOut + t * 32 + sb0, (t & 1) ? sum * oddSlotSigns : sum);
            StoreLanes(kept, out[18 + t]);
        }
    }
    return groups * L;
}

constexpr ImdctFamily kImdctFamily = {TransformSubbands, BuildTables};

} // namespace
