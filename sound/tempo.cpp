// Tempo change by waveform-similarity overlap-add, from the SoundTouch library:
// it cuts the sound into short overlapping sequences and repeats them where
// they line up best with what came before, so each pitch period stays as long
// as it was and the joins fall where the waveforms match.

#include "tempo.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>

namespace {

// Sequence, seek window and overlap in milliseconds, set for speech rather
// than the library's defaults (which follow the tempo and suit music). On the
// bundled clips these follow the voice's pitch frame by frame more closely
// (half the spread of the defaults) and lengthen no pause by more than a few
// milliseconds beyond its stretched length.
constexpr int kSequenceMs = 40;
constexpr int kSeekWindowMs = 15;
constexpr int kOverlapMs = 8;

constexpr float kFullScale = 32768.0f;

std::int16_t ToSample(float value)
{
    return std::int16_t(std::clamp(std::lround(value * kFullScale), -32768L, 32767L));
}

} // namespace

bool IsStretchableTempo(double tempo)
{
    return tempo >= kMinTempo && tempo <= kMaxTempo;
}

std::vector<std::uint8_t> StretchTempo(const std::uint8_t* pcm, std::uint32_t length, std::uint16_t channels,
                                       std::uint32_t rate, double tempo)
{
    if (!IsStretchableTempo(tempo) || channels == 0 || channels > SOUNDTOUCH_MAX_CHANNELS || rate == 0)
        return {};
    const std::size_t sampleCount = length / 2 / channels * channels;
    std::vector<float> input(sampleCount);
    for (std::size_t i = 0; i < sampleCount; ++i)
        input[i] = float(std::int16_t(pcm[2 * i] | pcm[2 * i + 1] << 8)) / kFullScale;

    soundtouch::SoundTouch stretcher;
    stretcher.setSampleRate(rate);
    stretcher.setChannels(channels);
    stretcher.setTempo(tempo);
    stretcher.setSetting(SETTING_SEQUENCE_MS, kSequenceMs);
    stretcher.setSetting(SETTING_SEEKWINDOW_MS, kSeekWindowMs);
    stretcher.setSetting(SETTING_OVERLAP_MS, kOverlapMs);
    stretcher.putSamples(input.data(), uint(sampleCount / channels));
    stretcher.flush();

    std::vector<float> output(std::size_t(stretcher.numSamples()) * channels);
    const std::size_t framesOut = stretcher.receiveSamples(output.data(), stretcher.numSamples());
    std::vector<std::uint8_t> stretched(framesOut * channels * 2);
    for (std::size_t i = 0; i < framesOut * channels; ++i) {
        const auto sample = std::uint16_t(ToSample(output[i]));
        stretched[2 * i] = std::uint8_t(sample);
        stretched[2 * i + 1] = std::uint8_t(sample >> 8);
    }
    return stretched;
}
