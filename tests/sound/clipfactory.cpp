#include "clipfactory.h"

#include "files.h"
#include "soundplayer.h"
#include "wavefile.h"

#include <algorithm>
#include <cmath>
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

Bytes SilentMpeg1Frames(std::uint32_t count) { return SilentFrames({0xFF, 0xFB, 0x90, 0x64}, 417, count); }

std::unique_ptr<std::uint8_t[]> OwnedCopy(const Bytes& bytes)
{
    auto buffer = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    return buffer;
}

int OpenClip(CSoundPlayer& player, const Bytes& clip)
{
    auto buffer = OwnedCopy(clip);
    return player.Open(buffer, std::uint32_t(clip.size()));
}

namespace {

// "RIFF", a size, `form` at 8, `chunk` at `chunkAt`, the audio at `audioAt`.
Bytes Riff(const char* form, const char* chunk, std::size_t chunkAt, std::size_t audioAt, const Bytes& audio)
{
    Bytes clip(audioAt, 0);
    std::memcpy(clip.data(), "RIFF", 4);
    std::memcpy(clip.data() + 8, form, std::strlen(form));
    std::memcpy(clip.data() + chunkAt, chunk, 4);
    clip.insert(clip.end(), audio.begin(), audio.end());
    for (int i = 0; i < 4; ++i)
        clip[4 + i] = std::uint8_t((clip.size() - 8) >> (8 * i));
    return clip;
}

} // namespace

Bytes WaveFact30(const Bytes& audio) { return Riff("WAVEfmt ", "fact", 50, 70, audio); }
Bytes WaveFact32(const Bytes& audio) { return Riff("WAVEfmt ", "fact", 52, 72, audio); }
Bytes WaveNoFact30(const Bytes& audio) { return Riff("WAVEfmt ", "data", 50, 58, audio); }
Bytes Rmp3(const Bytes& audio) { return Riff("RMP3", "data", 12, 20, audio); }

Bytes WithTrailingTag(const Bytes& audio)
{
    Bytes clip = audio, tag(128, ' ');
    std::memcpy(tag.data(), "TAGUne phrase", 13);
    clip.insert(clip.end(), tag.begin(), tag.end());
    return clip;
}

std::optional<Bytes> EncodeClip(const ClipRecipe& recipe)
{
    // Two tones with a slow swell, different on each channel, so that every
    // frame carries sound and a channel mix-up shows.
    Bytes pcm;
    for (int i = 0; i < int(recipe.seconds * recipe.rateHz); ++i) {
        const double t = double(i) / recipe.rateHz;
        const double swell = 0.35 + 0.25 * std::sin(2 * M_PI * 1.5 * t);
        for (int c = 0; c < recipe.channels; ++c) {
            const double tone = std::sin(2 * M_PI * (330 + 110 * c) * t) + 0.5 * std::sin(2 * M_PI * 523 * t);
            const auto sample = std::uint16_t(std::lround(9000 * swell * tone));
            pcm.insert(pcm.end(), {std::uint8_t(sample), std::uint8_t(sample >> 8)});
        }
    }
    const auto blockAlign = std::uint16_t(recipe.channels * 2);
    const platform::WaveFormat format{1, std::uint16_t(recipe.channels), std::uint32_t(recipe.rateHz),
                                      std::uint32_t(recipe.rateHz) * blockAlign, blockAlign, 16, 0};
    WriteFile("input.wav", PcmWaveFile(format, pcm.data(), std::uint32_t(pcm.size())));
    const std::string command = std::string("lame --quiet -m ") + (recipe.channels == 1 ? "m" : "s") + " --resample " +
                                std::to_string(recipe.rateHz / 1000.0) + " " +
                                (recipe.variableBitrate ? "-V 4" : "-b " + std::to_string(recipe.kbps) + " -t --cbr") +
                                " input.wav clip.mp3 2> /dev/null";
    if (std::system(command.c_str()) != 0)
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

int LargestSampleDifference(const Bytes& a, const Bytes& b)
{
    int largest = 0;
    for (std::size_t i = 0; i + 1 < std::min(a.size(), b.size()); i += 2)
        largest = std::max(largest, std::abs(std::int16_t(a[i] | a[i + 1] << 8) - std::int16_t(b[i] | b[i + 1] << 8)));
    return largest;
}
