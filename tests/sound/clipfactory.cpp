#include "clipfactory.h"

#include "files.h"
#include "wavefile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Bytes SilentFrames(std::initializer_list<std::uint8_t> header, std::uint32_t frameLength, std::uint32_t count)
{
    Bytes frames;
    for (std::uint32_t i = 0; i < count; ++i) {
        frames.insert(frames.end(), header);
        frames.resize(frames.size() + frameLength - header.size(), 0);
    }
    return frames;
}

Bytes SilentMpeg1Frames(std::uint32_t count)
{
    return SilentFrames({0xFF, 0xFB, 0x90, 0x64}, 417, count);
}

namespace {

// "RIFF", a size, then `form` at 8, `chunk` at `chunkAt`, and the audio at `audioAt`.
Bytes Riff(const char* form, const char* chunk, std::size_t chunkAt, std::size_t audioAt, const Bytes& audio)
{
    Bytes clip(audioAt, 0);
    std::memcpy(clip.data(), "RIFF", 4);
    std::memcpy(clip.data() + 8, form, std::strlen(form));
    std::memcpy(clip.data() + chunkAt, chunk, 4);
    clip.insert(clip.end(), audio.begin(), audio.end());
    const std::uint32_t size = std::uint32_t(clip.size() - 8);
    for (int i = 0; i < 4; ++i)
        clip[4 + i] = std::uint8_t(size >> (8 * i));
    return clip;
}

} // namespace

Bytes WaveFact30(const Bytes& audio) { return Riff("WAVEfmt ", "fact", 50, 70, audio); }
Bytes WaveFact32(const Bytes& audio) { return Riff("WAVEfmt ", "fact", 52, 72, audio); }
Bytes WaveNoFact30(const Bytes& audio) { return Riff("WAVEfmt ", "data", 50, 58, audio); }
Bytes Rmp3(const Bytes& audio) { return Riff("RMP3", "data", 12, 20, audio); }

Bytes WithTrailingTag(const Bytes& audio)
{
    Bytes clip = audio;
    Bytes tag(128, ' ');
    std::memcpy(tag.data(), "TAGUne phrase", 13);
    clip.insert(clip.end(), tag.begin(), tag.end());
    return clip;
}

std::optional<Bytes> EncodeClip(const ClipRecipe& recipe)
{
    // Two tones with a slow swell, different on each channel, so that every
    // frame carries sound and a channel mix-up shows.
    const int samples = int(recipe.seconds * recipe.rateHz);
    Bytes pcm;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / recipe.rateHz;
        const double swell = 0.35 + 0.25 * std::sin(2 * M_PI * 1.5 * t);
        for (int c = 0; c < recipe.channels; ++c) {
            const double tone = std::sin(2 * M_PI * (330 + 110 * c) * t) + 0.5 * std::sin(2 * M_PI * 523 * t);
            const auto sample = std::int16_t(std::lround(9000 * swell * tone));
            pcm.push_back(std::uint8_t(sample));
            pcm.push_back(std::uint8_t(std::uint16_t(sample) >> 8));
        }
    }
    platform::WaveFormat format{1, std::uint16_t(recipe.channels), std::uint32_t(recipe.rateHz),
                                std::uint32_t(recipe.rateHz * recipe.channels * 2),
                                std::uint16_t(recipe.channels * 2), 16, 0};
    WriteFile("input.wav", PcmWaveFile(format, pcm.data(), std::uint32_t(pcm.size())));
    char command[256];
    char rateControl[32];
    if (recipe.variableBitrate)
        std::snprintf(rateControl, sizeof rateControl, "-V 4");
    else
        std::snprintf(rateControl, sizeof rateControl, "-b %d -t --cbr", recipe.kbps);
    std::snprintf(command, sizeof command, "lame --quiet -m %s --resample %g %s input.wav clip.mp3 2> /dev/null",
                  recipe.channels == 1 ? "m" : "s", recipe.rateHz / 1000.0, rateControl);
    if (std::system(command) != 0)
        return std::nullopt;
    return ReadFile("clip.mp3");
}

std::optional<Bytes> ReferenceDecode(const Bytes& stream)
{
    WriteFile("reference.mp3", stream);
    if (std::system("mpg123 --quiet --no-gapless -e s16 -s reference.mp3 > reference.raw 2> /dev/null") != 0)
        return std::nullopt;
    return ReadFile("reference.raw");
}

int LargestSampleDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t bytes)
{
    int largest = 0;
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        const int x = std::int16_t(a[i] | (a[i + 1] << 8));
        const int y = std::int16_t(b[i] | (b[i + 1] << 8));
        largest = std::max(largest, std::abs(x - y));
    }
    return largest;
}
